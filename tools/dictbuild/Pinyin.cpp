#include "tools/dictbuild/Pinyin.h"

#include <cstring>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

// Tone-marked vowels: the plain letter and the tone of each.
struct MarkedVowel {
  char32_t cp;
  char letter;
  int tone;
};
constexpr MarkedVowel kMarkedVowels[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1}, {U'é', 'e', 2},
    {U'ě', 'e', 3}, {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4},
    {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3}, {U'ò', 'o', 4}, {U'ū', 'u', 1}, {U'ú', 'u', 2},
    {U'ǔ', 'u', 3}, {U'ù', 'u', 4}, {U'ǖ', 'v', 1}, {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4},
    {U'ü', 'v', 5}, {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4}, {U'ḿ', 'm', 2},
};

ToneSyllable Lookup(const std::string& plain, int tone) {
  ToneSyllable result;
  result.syllable = FindSyllable(plain.data(), static_cast<int>(plain.size()));
  result.tone = tone;
  return result;
}

}  // namespace

ToneSyllable ParseMarkedPinyin(std::string_view marked) {
  std::string plain;
  int tone = 5;
  std::size_t pos = 0;
  while (pos < marked.size()) {
    char32_t cp = DecodeUtf8(marked, &pos);
    if (cp >= 'a' && cp <= 'z') {
      plain.push_back(static_cast<char>(cp));
      continue;
    }
    bool known = false;
    for (const MarkedVowel& v : kMarkedVowels) {
      if (v.cp != cp) continue;
      plain.push_back(v.letter);
      if (v.tone != 5) tone = v.tone;
      known = true;
    }
    if (!known) return {};  // ê and other spellings outside the table
  }
  return Lookup(plain, tone);
}

ToneSyllable ParseNumberedPinyin(std::string_view numbered) {
  std::string plain;
  int tone = 5;
  for (std::size_t i = 0; i < numbered.size(); ++i) {
    char ch = numbered[i];
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (ch >= '1' && ch <= '5' && i + 1 == numbered.size()) {
      tone = ch - '0';
    } else if (ch == ':' && !plain.empty() && plain.back() == 'u') {
      plain.back() = 'v';
    } else if (ch >= 'a' && ch <= 'z') {
      plain.push_back(ch);
    } else {
      return {};
    }
  }
  // Every syllable carries its tone digit; a bare capital is a Latin letter ("AA制").
  if (numbered.empty() || numbered.back() < '1' || numbered.back() > '5') return {};
  if (plain == "r") plain = "er";  // erhua: the 儿 of a word
  return Lookup(plain, tone);
}

std::string MarkTone(int syllable, int tone) {
  const char* plain = SyllableTable[syllable];
  const std::size_t n = std::strlen(plain);
  // The mark goes on a or e, on the o of ou, else on the last vowel.
  std::size_t at = n;
  if (const char* a = std::strpbrk(plain, "ae")) {
    at = static_cast<std::size_t>(a - plain);
  } else if (const char* ou = std::strstr(plain, "ou")) {
    at = static_cast<std::size_t>(ou - plain);
  } else {
    for (std::size_t i = 0; i < n; ++i)
      if (std::strchr("iouv", plain[i])) at = i;
  }
  std::string out;
  for (std::size_t i = 0; i < n; ++i) {
    char32_t cp = plain[i] == 'v' ? U'ü' : static_cast<char32_t>(plain[i]);
    if (i == at && tone >= 1 && tone <= 4) {
      for (const MarkedVowel& v : kMarkedVowels)
        if (v.letter == plain[i] && v.tone == tone && v.cp != U'ń') cp = v.cp;
    }
    AppendUtf8(&out, cp);
  }
  return out;
}

}  // namespace dazi::dictbuild
