#include "tests/sentence/PlainConversion.h"

#include <algorithm>

#include "engine/core/Unit_Data.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/SentenceEngine.h"

namespace dazi::testing {

namespace {

void Append(const int32* codes, int count) {
  for (int i = 0; i < count && SrfState.SentenceCodeCount < kSentenceCapacity; ++i)
    SrfState.SentenceCodes[SrfState.SentenceCodeCount++] = codes[i];
}

}  // namespace

void PlainConvert(const std::string& s) {
  TLumiskCand& st = SrfState;
  st.SentenceCodeCount = 0;
  std::size_t pos = 0, n = s.size();
  std::string r = s;
  LoadPhraseBlock(s);
  auto advance = [&](std::size_t m) {
    pos = std::min(pos + m, s.size());
    r = s.substr(pos);
    n = r.size();
    if (n >= 4) LoadPhraseBlock(r);
  };
  auto firstSyllable = [&](std::size_t f) { advance(AppendSyllableChar(r.substr(0, f))); };
  while (pos < s.size() && n != 0) {
    if (n >= 2) {
      const int32 k = CountLeadingInitials(r);
      if (k >= 2) {
        const std::string initials = r.substr(0, k);
        int32 u = 0;
        while (u < st.UserWordCount &&
               !(st.UserWordLengths[u] == k && st.UserWordInitials[u] == initials))
          ++u;
        if (u < st.UserWordCount) {
          Append(st.UserWordCodes[u], st.UserWordLengths[u]);
          advance(k);
          continue;
        }
        if (LoadAbbrevBlock(initials) > 0) {
          const int32 b = FindAbbrev(initials);
          if (b >= 0) {
            Append(st.AbbrevCodes[b], st.AbbrevLengths[b]);
            advance(st.AbbrevLengths[b]);
            continue;
          }
        }
      }
    }
    if (n <= 3) {
      advance(AppendSyllableChar(r));
      continue;
    }
    const std::string p = r.substr(0, n);
    if (const int32 u = FindUserWord(p); u >= 0) {
      Append(st.UserWordCodes[u], st.UserWordLengths[u]);
      advance(n);
      continue;
    }
    if (n <= 5) {
      const int32 before = st.SentenceCodeCount;
      if (static_cast<std::size_t>(AppendSyllableChar(r)) == n) {
        advance(n);
        continue;
      }
      st.SentenceCodeCount = before;
    }
    const int32 w = FindPhrase(p);
    if (w < 0) {
      --n;
      continue;
    }
    const std::size_t f = static_cast<std::size_t>(st.PhraseAttrs[w] >> 4);
    const int32 level = st.PhraseAttrs[w] & 15;
    const bool two = st.PhraseLengths[w] == 2;
    const bool follows = pos + n < s.size();
    if (two && follows && r.compare(n, 2, "ng") == 0 &&
        LongestSyllable(r.substr(f, n + 2 - f)) == static_cast<int32>(n + 2 - f)) {
      firstSyllable(f);
      continue;
    }
    if (two && follows &&
        LongestSyllable(r.substr(f, n + 1 - f)) == static_cast<int32>(n + 1 - f) &&
        SyllableBeginsWith(s.substr(pos + n)) < 2) {
      firstSyllable(f);
      continue;
    }
    Append(st.PhraseCodes[w], st.PhraseLengths[w]);
    int32 v = -1;
    if (two && level > 0 && s.size() - pos - f > 3 && follows) {
      const std::string t = r.substr(f);
      LoadPhraseBlock(t);
      for (std::size_t m = t.size(); m >= n - f + 1 && v < 0; --m) v = FindPhrase(t.substr(0, m));
    }
    if (v >= 0 && (st.PhraseLengths[v] > 2 ||
                   (st.PhraseLengths[v] == 2 && (st.PhraseAttrs[v] & 15) < level))) {
      st.SentenceCodeCount -= 2;
      firstSyllable(f);
    } else {
      advance(n);
    }
  }
}

}  // namespace dazi::testing
