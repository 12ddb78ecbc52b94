// Whole-sentence conversion: a long run of pinyin letters becomes one default sentence.
#pragma once

#include <string>

namespace dazi {

// Converts lower-case pinyin into SentenceCodes/SentenceCodeCount and DefaultSentence. In
// the variant class the sentence is built syllable by syllable with the simplified
// default characters.
void ConvertSentence(const std::string& pinyin);

}  // namespace dazi
