// User-lexicon and learned words for the keypad word pool.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi {

// Append to the word pool (not to any result list) the user-lexicon words, respectively the
// learned words, that begin with one of chars[0..count-1].
void AddUserWordsForKeypad(const int32* chars, int count);
void AddLearnedWordsForKeypad(const int32* chars, int count);

}  // namespace dazi
