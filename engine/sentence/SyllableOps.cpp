// The syllable operations of the whole-sentence engine over the built-in syllable table.
#include <cstring>

#include "engine/core/MethodClass.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/sentence/internal/SentenceInternals.h"

namespace dazi {

namespace sentence {

namespace {

bool IsLetter(char c) {
  return c >= 'a' && c <= 'z';
}

bool StartsWith(std::string_view s, const char* prefix) {
  const std::size_t length = std::strlen(prefix);
  return s.size() >= length && std::memcmp(s.data(), prefix, length) == 0;
}

}  // namespace

int LeadingSyllableIndex(std::string_view s) {
  if (s.empty() || !IsLetter(s[0])) return -1;
  const int* range = SyllableRanges[s[0] - 'a'];
  for (int i = range[0]; i <= range[1]; ++i)
    if (StartsWith(s, SyllableTable[i])) return i;
  return -1;
}

int LongestSyllableOf(std::string_view s) {
  const int index = LeadingSyllableIndex(s);
  return index < 0 ? 0 : static_cast<int>(std::strlen(SyllableTable[index]));
}

void AppendSentenceCodes(const int32* codes, int count) {
  for (int i = 0; i < count && SrfState.SentenceCodeCount < kSentenceCapacity; ++i)
    SrfState.SentenceCodes[SrfState.SentenceCodeCount++] = codes[i];
}

int DefaultCharColumn() {
  return ClassOf(SrfState.MethodClass) == CharClass::Traditional ? 1 : 0;
}

int AppendSyllableCharOf(std::string_view s) {
  SrfState.WordSplitActive = 0;
  if (s.empty() || !IsLetter(s[0])) return s.empty() ? 0 : 1;  // no group: skip the byte
  int index = LeadingSyllableIndex(s);
  int consumed = 0;
  if (index >= 0) {
    consumed = static_cast<int>(std::strlen(SyllableTable[index]));
  } else {
    // No syllable begins here: the group's stored first index stands in (i gives the
    // default of "jiang", u and v that of "wang").
    index = SyllableRanges[s[0] - 'a'][0];
    consumed = 1;
  }
  const int32 code = SyllableDefaultChars[index][DefaultCharColumn()];
  AppendSentenceCodes(&code, 1);
  return consumed;
}

}  // namespace sentence

int32 LongestSyllable(const std::string& s) {
  return sentence::LongestSyllableOf(s);
}

int32 CountLeadingInitials(const std::string& s) {
  std::string_view rest(s);
  int32 k = 0;
  while (static_cast<std::size_t>(k) < s.size()) {
    // The group lists the longest syllables first, so a syllable of two or more letters
    // begins here exactly when the leading one is that long.
    if (sentence::LongestSyllableOf(rest.substr(static_cast<std::size_t>(k))) >= 2) break;
    ++k;
  }
  return k;
}

int32 SyllableBeginsWith(const std::string& s) {
  if (s.empty() || s[0] < 'a' || s[0] > 'z') return 0;
  const std::string_view t = std::string_view(s).substr(0, 2);
  const int* range = SyllableRanges[s[0] - 'a'];
  for (int i = range[0]; i <= range[1]; ++i)
    if (std::string_view(SyllableTable[i]).starts_with(t)) return static_cast<int32>(t.size());
  return 0;
}

int32 AppendSyllableChar(const std::string& s) {
  return sentence::AppendSyllableCharOf(s);
}

}  // namespace dazi
