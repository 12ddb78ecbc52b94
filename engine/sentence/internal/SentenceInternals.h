// Helpers shared by the whole-sentence engine's source files; not part of its interface.
#pragma once

#include <string_view>

#include "engine/core/Unit_Data.h"

namespace dazi::sentence {

// Index in SyllableTable of the leading syllable of s (the first syllable of the group of its
// first letter that is a prefix of s); -1 when there is none or s does not begin with a-z.
int LeadingSyllableIndex(std::string_view s);

// Length of the leading syllable of s; 0 when there is none.
int LongestSyllableOf(std::string_view s);

// AppendSyllableChar on a view.
int AppendSyllableCharOf(std::string_view s);

// Appends count character numbers to SentenceCodes; the part beyond its capacity is dropped
// (a user word can hold more characters than its pinyin has letters).
void AppendSentenceCodes(const int32* codes, int count);

// The SyllableDefaultChars column of the active class: traditional for the traditional
// class, simplified otherwise (the variant class has no defaults of its own).
int DefaultCharColumn();

}  // namespace dazi::sentence
