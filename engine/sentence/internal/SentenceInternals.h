// Helpers shared by the whole-sentence engine's source files; not part of its interface.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi::sentence {

// Appends count character numbers to SentenceCodes; the part beyond its capacity is dropped
// (a user word can hold more characters than its pinyin has letters).
void AppendSentenceCodes(const int32* codes, int count);

// The SyllableDefaultChars column of the active class: traditional for the traditional
// class, simplified otherwise (the variant class has no defaults of its own).
int DefaultCharColumn();

}  // namespace dazi::sentence
