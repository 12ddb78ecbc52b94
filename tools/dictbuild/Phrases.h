// The whole-sentence data of srf_pub.cpy: phrase blocks keyed by the first four letters of
// the full pinyin and initials blocks keyed by the first two initials, each ordered by
// preference (curated words first, then frequency) and cut to the engine's capacities.
#pragma once

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

inline constexpr int kPhraseKeysPerLetter = 501;
inline constexpr int kPhraseBlockLimit = 1201;
inline constexpr int kAbbrevBlockLimit = 1001;
inline constexpr std::size_t kMaxPhraseChars = 15;
// jieba words that CC-CEDICT lacks join when they are at least this frequent.
inline constexpr long kJiebaPhraseMinCount = 500;
// The most frequent two-character words get level 0: the overlap check never displaces them.
inline constexpr long kLevelZeroWords = 600;

struct PhraseData {
  std::vector<int> chars;      // HanziIndex
  std::vector<int> syllables;  // SyllableTable index per character
  std::string pinyin;
  long frequency = 0;
  bool curated = false;
  bool glossed = false;  // a dictionary word (CC-CEDICT), not a phrase of a frequency list
  bool chunk = false;    // characters written side by side, not a word: no initials entry
  bool simplified = false;
  bool traditional = false;
  int level = 15;
};

struct PhraseSet {
  std::vector<PhraseData> phrases;  // in block order, blocks in first-appearance order
  std::vector<PhraseData> abbrevs;  // in preference order
};

// words: every dictionary word with resolved readings, before pool trimming.
PhraseSet BuildPhrases(const Sources& sources, const Model& model,
                       const std::vector<WordData>& words, const WordFrequencies& frequencies,
                       BuildReport* report);

}  // namespace dazi::dictbuild
