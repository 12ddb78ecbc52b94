// The character list: the 20902 table hanzi with their class, frequency, stroke letters
// and readings.
#pragma once

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

// Simplified = GB2312 ∪ the 2013 standard list; traditional = the traditional forms of
// those plus the simplified characters with a Big5 code that are their own traditional form;
// variant = the rest (never simplified or traditional).
void AssignClasses(const Unihan& unihan, std::vector<CharData>* chars);

// Character frequency: Jun Da's count, for a traditional form that of its simplified form,
// else jieba's count of the character as a word.
void AssignFrequencies(const Sources& sources, std::vector<CharData>* chars);

// Frequency in each class's text. Simplified: the character's own count (Jun Da counts
// simplified text). Traditional: each simplified character's count shared among the
// traditional characters CC-CEDICT's words write it as (后 -> 後 in 以後, 后 in 皇后), in
// proportion to those words' frequencies. Variant: the frequency above.
void AssignClassFrequencies(const Sources& sources, const WordFrequencies& words,
                            std::vector<CharData>* chars);

// Fills chars with everything but readings and numbers.
std::string BuildCharacters(const Sources& sources, const WordFrequencies& words, Model* model,
                            BuildReport* report);

}  // namespace dazi::dictbuild
