#include "tools/dictbuild/SplitChunks.h"

#include <map>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Defaults.h"

namespace dazi::dictbuild {
namespace {

bool BeginsWithVowel(const std::string& s) {
  return s.find_first_of("aeiouv") == 0;
}

// Whether the longest-syllable walk cuts a + b anywhere but between them, leaving a piece
// that no syllable of its own begins well.
bool SplitGoesWrong(const std::string& a, const std::string& b) {
  const std::string joined = a + b;
  const auto first = static_cast<std::size_t>(LongestSyllable(joined));
  if (first <= a.size() || first >= joined.size()) return false;
  const std::string rest = joined.substr(first);
  return LongestSyllable(rest) == 0 || BeginsWithVowel(rest);
}

// Whether a phrase spelled by a + the start of b would be taken first, leaving the rest of b
// to begin with a vowel (qie + rong read as 其二 qier + ong).
bool PhraseCutsInside(const std::string& a, const std::string& b,
                      const std::set<std::string>& taken) {
  const std::string joined = a + b;
  for (std::size_t len = a.size() + 1; len < joined.size(); ++len)
    if (taken.count(joined.substr(0, len)) && BeginsWithVowel(joined.substr(len))) return true;
  return false;
}

}  // namespace

std::vector<PhraseData> SplitChunks(const Model& model, const std::set<std::string>& taken) {
  std::map<int, int> indexOfNumber;
  for (std::size_t i = 0; i < model.chars.size(); ++i)
    if (model.chars[i].number > 0) indexOfNumber[model.chars[i].number] = static_cast<int>(i);
  const auto defaults = ChooseDefaults(model);
  std::vector<PhraseData> out;
  for (int a = 0; a < kSyllableCount; ++a) {
    for (int b = 0; b < kSyllableCount; ++b) {
      const std::string first = SyllableTable[a], second = SyllableTable[b];
      if (BeginsWithVowel(second) || second == "ng") continue;
      if (!SplitGoesWrong(first, second) && !PhraseCutsInside(first, second, taken)) continue;
      if (taken.count(first + second)) continue;
      // One chunk per class of the default characters; one for both where they agree.
      for (int cls = 0; cls < 2; ++cls) {
        const auto ca = indexOfNumber.find(defaults[static_cast<std::size_t>(a)][cls]);
        const auto cb = indexOfNumber.find(defaults[static_cast<std::size_t>(b)][cls]);
        if (ca == indexOfNumber.end() || cb == indexOfNumber.end()) continue;
        const std::vector<int> chars = {ca->second, cb->second};
        if (cls == 1 && !out.empty() && out.back().simplified && out.back().chars == chars &&
            out.back().pinyin == first + second) {
          out.back().traditional = true;
          continue;
        }
        PhraseData p;
        p.chars = chars;
        p.syllables = {a, b};
        p.pinyin = first + second;
        p.simplified = cls == 0;
        p.traditional = cls == 1;
        p.level = 15;
        out.push_back(std::move(p));
      }
    }
  }
  return out;
}

}  // namespace dazi::dictbuild
