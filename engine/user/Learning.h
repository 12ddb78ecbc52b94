// Learning of phrases: the text and character numbers of the candidates chosen since the
// last punctuation are collected; a phrase completed twice in one run is saved to the user
// lexicon and corpus.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Adds one chosen candidate to the phrase being collected. kind is the candidate kind:
// characters and dictionary words count as words, a user-lexicon word empties the phrase. The
// phrase stops growing once its character numbers would pass 33.
void CollectChoice(const std::string& text, const int32* codes, int count, int32 kind);

// Empties the phrase being collected.
void ClearCollectedPhrase();

// Remembers the collected phrase at its first completion and saves it to srf_pub.dat and
// srf_pub.usr at its second.
void LearnPhrase();

// At a punctuation mark: LearnPhrase, then a new phrase begins whatever became of this one, so
// only what was typed between two marks is learned, and an overlong phrase does not block the
// ones after it.
void LearnPhraseAtMark();

}  // namespace dazi
