#include "tests/sentence/SentenceTestSupport.h"

#include <fstream>
#include <stdexcept>

#include "engine/pinyin/SyllableTable.h"
#include "engine/startup/DictionaryLoader.h"

namespace dazi::testing {

int SentenceFixture::Char(const std::string& utf8, const std::string& syllable, int rank,
                          std::uint16_t classes) {
  const int ch = dict_.AddChar(utf8);
  dict_.AddReading(ch, syllable + "h", static_cast<std::uint16_t>(classes | rank));
  return ch;
}

int32 SentenceFixture::Def(const std::string& syllable, int column) {
  const int32 code = DefaultOf(syllable, column);
  if (code >= 1 && code <= static_cast<int32>(dict_.Source().chars.size()))
    throw std::logic_error("default of " + syllable + " collides with a fixture character");
  return code;
}

void SentenceFixture::Phrase(const std::string& pinyin, std::vector<int> chars,
                             int firstSyllableLetters, int level, bool simplified,
                             bool traditional) {
  dictwriter::Phrase p;
  p.pinyin = pinyin;
  for (int c : chars) p.chars.push_back(static_cast<std::uint16_t>(c));
  p.firstSyllableLetters = static_cast<std::uint8_t>(firstSyllableLetters);
  p.level = static_cast<std::uint8_t>(level);
  p.simplified = simplified;
  p.traditional = traditional;
  dict_.Source().phrases.push_back(p);
}

void SentenceFixture::Abbrev(const std::string& initials, std::vector<int> chars, bool simplified,
                             bool traditional) {
  dictwriter::Abbrev a;
  a.initials = initials;
  for (int c : chars) a.chars.push_back(static_cast<std::uint16_t>(c));
  a.simplified = simplified;
  a.traditional = traditional;
  dict_.Source().abbrevs.push_back(a);
}

void SentenceFixture::WriteAndLoad(const std::vector<std::vector<int>>& userWords) {
  const std::string error = dict_.Write(".");
  if (!error.empty()) throw std::runtime_error("fixture dictionary: " + error);
  std::ofstream("srf_pub.usr", std::ios::binary) << UserLexiconBytes(userWords);
  const LoadResult result = LoadDictionaries();
  if (!result.ok) throw std::runtime_error("load: " + result.message);
}

int32 DefaultOf(const std::string& syllable, int column) {
  const int index = FindSyllable(syllable.data(), static_cast<int>(syllable.size()));
  if (index < 0) throw std::invalid_argument("not a syllable: " + syllable);
  return SyllableDefaultChars[index][column];
}

std::vector<int32> SentenceCodeList() {
  return {SrfState.SentenceCodes, SrfState.SentenceCodes + SrfState.SentenceCodeCount};
}

std::string UserLexiconBytes(const std::vector<std::vector<int>>& words) {
  std::string bytes;
  for (const std::vector<int>& word : words) {
    bytes += static_cast<char>(word.size());
    for (int c : word) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>((c >> 8) & 0xFF);
    }
  }
  bytes += '\0';
  return bytes;
}

}  // namespace dazi::testing
