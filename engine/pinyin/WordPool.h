// The word pool of the pinyin method: built for a one-letter input from the user-lexicon
// words, the learned words and the dictionary word lists of the lookup's characters; longer
// inputs filter it by the typed readings into WordResults.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Appends the user-lexicon words, then (second function) the learned words, that begin
// with one of chars[0..count-1] to the word pool and to WordResults.
void AddUserWordsToPool(const int32* chars, int count);
void AddLearnedWordsToPool(const int32* chars, int count);

// One letter: adds the dictionary words starting with starts[0..count-1] to the pool.
// Two or more letters: filters the pool by the typed readings into WordResults, the words
// spelled in full before the abbreviated ones. Either way each word (its characters) is
// listed once, at its first place.
void GatherWords(const std::string& input, const int32* starts, int count);

}  // namespace dazi
