// The built-in table of the 405 pinyin syllables, shared by the pinyin engine's syllable
// splitting and the whole-sentence engine. Within the group of one first letter every
// syllable stands before each syllable that is a proper prefix of it, so the first match in
// table order is the longest.
#pragma once

namespace dazi {

inline constexpr int kSyllableCount = 405;

// Lower-case ASCII syllables, ü written as v.
extern const char* const SyllableTable[kSyllableCount];

// Per letter a..z: first and last index of its group. The empty groups i, u and v store
// the first index of the following group and 0 as last index.
extern const int SyllableRanges[26][2];

// Per syllable: default character number for the simplified (column 0) and the
// traditional (column 1) class. Generated with the dictionaries (SyllableDefaults.inc).
extern const int SyllableDefaultChars[kSyllableCount][2];

// Index of a syllable in SyllableTable, or -1.
int FindSyllable(const char* text, int length);

}  // namespace dazi
