// Reading one character's dictionary word list into the word pool, shared by the two-stroke
// word step and the keypad follow-on search.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi::keypad {

// Appends the words of first character u that belong to the active keypad class to the word
// pool (dictionary-word kind, group, gloss number, pattern 0); the other records are read and
// skipped. Returns false when the pool is full, so a caller gathering for many characters can stop:
// the characters come in frequency order, so the words of the most frequent ones are kept.
bool AppendCharacterWordsToPool(int32 u);

}  // namespace dazi::keypad
