// The keypad engine's steps as the candidate bar runs them: after every change of the typed
// strokes, and after a choice that offers follow-on words.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Longest keypad input the key handler keeps; further strokes are dropped. The longest word
// the pool holds (41 characters) has a stroke key of 2 + 39 + 8 = 49 digits, so nothing that
// can still match is ever cut off. The engine itself accepts inputs of any length.
inline constexpr int kKeypadInputLimit = 64;

// The whole lookup after every change of the strokes: LoadFirstStrokeList, MatchStrokes,
// BuildKeypadPage and BuildStrokePreviews on input (which is InputText).
void RefreshKeypadLookup(const std::string& input);

// The follow-on words after a choice from character first, on the page as it stands: while
// follow-on words are shown, FindFollowOnWords narrows them; otherwise FindKeypadFollowOnWords
// lists the words of first, of which only those that continue a chosen word (AssocPrefix)
// are kept, since the others would write nothing once cut after the prefix. Then
// PredictNextChars and BuildKeypadPage with an empty result list.
void OfferKeypadFollowOnWords(int32 first);

}  // namespace dazi
