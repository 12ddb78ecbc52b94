// The Unihan fields the dictionaries use, for the 20902 GBK hanzi U+4E00..U+9FA5.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dictbuild/Pinyin.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {

inline constexpr char32_t kFirstHanzi = 0x4E00;
inline constexpr char32_t kLastHanzi = 0x9FA5;
inline constexpr int kHanziCount = static_cast<int>(kLastHanzi - kFirstHanzi + 1);

inline bool IsTableHanzi(char32_t cp) {
  return cp >= kFirstHanzi && cp <= kLastHanzi;
}
inline int HanziIndex(char32_t cp) {
  return static_cast<int>(cp - kFirstHanzi);
}

// The HanziIndex values of utf8; false when it holds anything but table hanzi.
inline bool DecodeTableHanzi(std::string_view utf8, std::vector<int>* chars) {
  chars->clear();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = DecodeUtf8(utf8, &pos);
    if (!IsTableHanzi(cp)) return false;
    chars->push_back(HanziIndex(cp));
  }
  return true;
}

// Appends the runs of table hanzi in line (their HanziIndex values), each ended by anything else.
inline void AppendHanziRuns(std::string_view line, std::vector<std::vector<int>>* runs) {
  std::vector<int> run;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const char32_t cp = DecodeUtf8(line, &pos);
    if (IsTableHanzi(cp)) {
      run.push_back(HanziIndex(cp));
    } else if (!run.empty()) {
      runs->push_back(std::move(run));
      run.clear();
    }
  }
  if (!run.empty()) runs->push_back(std::move(run));
}

struct ReadingUse {
  ToneSyllable reading;
  int count = 0;  // kHanyuPinlu frequency
};

struct UnihanChar {
  std::vector<ToneSyllable> modern;        // kMandarin, kXHC1983, kTGHZ2013 in that order
  std::vector<ToneSyllable> historic;      // kHanyuPinyin
  std::vector<ToneSyllable> standard;      // kTGHZ2013 alone: the 2013 standard's readings
  std::vector<ReadingUse> pinlu;           // kHanyuPinlu
  std::string definition;                  // kDefinition
  bool gb2312 = false;                     // kGB0
  bool standard2013 = false;               // kTGH
  bool big5 = false;                       // kBigFive
  std::vector<char32_t> simplifiedForms;   // kSimplifiedVariant
  std::vector<char32_t> traditionalForms;  // kTraditionalVariant
  int totalStrokes = 0;                    // kTotalStrokes (first value)
  int radical = 0;                         // kRSUnicode radical number (first value)
  int residualStrokes = 0;                 // kRSUnicode strokes beyond the radical
};

struct Unihan {
  std::vector<UnihanChar> chars;             // indexed by HanziIndex
  std::array<char32_t, 215> radicalChars{};  // Kangxi radical number -> its ideograph
};

// Reads the Unihan .txt.bz2 files under unicodeDir and CJKRadicals.txt. Empty error on success.
std::string LoadUnihan(const std::string& unicodeDir, Unihan* out);

}  // namespace dazi::dictbuild
