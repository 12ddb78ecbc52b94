// The built-in table of the 405 pinyin syllables and the operations over it, shared by the
// pinyin engine's syllable splitting and the whole-sentence engine. Within the group of one
// first letter every syllable stands before each syllable that is a proper prefix of it, so
// the first match in table order is the longest. The group of a string is that of its first
// letter, and its leading syllable the first syllable of the group that is a prefix of it.
#pragma once

#include <cstdint>
#include <string_view>

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

// Index in SyllableTable of the leading syllable of s; -1 when there is none or s does not
// begin with a-z.
int LeadingSyllableIndex(std::string_view s);

// Length of the leading syllable of s; 0 when there is none.
std::int32_t LongestSyllable(std::string_view s);

// Number of letters at the start of s at which no syllable of two or more letters begins;
// 2 or more means s begins with a run of initials.
std::int32_t CountLeadingInitials(std::string_view s);

// Length of t = the first two letters of s (all of a one-letter s) when some syllable of t's
// group begins with t; else 0.
std::int32_t SyllableBeginsWith(std::string_view s);

}  // namespace dazi
