// The stroke lookup: the characters whose codes begin with the typed strokes, ordered for the
// keypad page.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// At a one-character input: lists the characters of the active set whose code starts with the
// typed stroke (LookupList, LookupVariants, LookupStrokes), or the twelve mark indexes of a
// punctuation page, and empties the word pool. Longer inputs leave the list as it is.
void LoadFirstStrokeList(const std::string& input);

// Orders the characters of LookupList that match input, then the words, into ResultIds,
// ResultKinds and ResultStrokes.
void MatchStrokes(const std::string& input);

}  // namespace dazi
