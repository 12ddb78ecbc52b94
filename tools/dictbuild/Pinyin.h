// Pinyin spellings of the sources, brought to the form of the built-in syllable table
// (lower-case ASCII, ü as v, no tone) with the tone kept beside it.
#pragma once

#include <string>
#include <string_view>

namespace dazi::dictbuild {

struct ToneSyllable {
  int syllable = -1;  // index into SyllableTable, -1 when not one of the 405 syllables
  int tone = 5;       // 1-4, 5 for the neutral tone
};

// A tone-marked reading as Unihan writes it ("zhōng", "lǜ", "ńg").
ToneSyllable ParseMarkedPinyin(std::string_view marked);
// A tone-numbered syllable as CC-CEDICT writes it ("zhong1", "Xi1", "lu:4", "r5").
ToneSyllable ParseNumberedPinyin(std::string_view numbered);

// The syllable written with its tone mark, in UTF-8 ("zhōng", "lǜ").
std::string MarkTone(int syllable, int tone);

}  // namespace dazi::dictbuild
