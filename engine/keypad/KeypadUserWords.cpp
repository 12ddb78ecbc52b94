// User-lexicon and learned words for the keypad word pool.
#include <algorithm>
#include <array>

#include "engine/keypad/KeypadEngine.h"

namespace dazi {
namespace {

// Character numbers are two-byte values in every file.
constexpr int kCharNumberLimit = 65536;

// Words indexed by their first character for one call: the words of c are head[c],
// next[head[c]], ... in stored order. Only the heads that a call sets are reset afterwards, so
// a call costs the number of words plus the number of characters asked for.
struct FirstCharIndex {
  FirstCharIndex() { head.fill(-1); }
  std::array<int32, kCharNumberLimit> head;
  std::array<int32, kUserWordCapacity> next{};
};

FirstCharIndex& Index() {
  static FirstCharIndex index;
  return index;
}

bool IsCharNumber(int32 c) {
  return c > 0 && c < kCharNumberLimit;
}

// Appends to the pool, for each of chars in order, the words (codes[w], lengths[w],
// kinds[w], w < wordCount) that begin with it, in stored order.
template <int kCodes>
void AddWordsForKeypad(const int32* chars, int count, const int32 (*codes)[kCodes],
                       const int32* lengths, const int32* kinds, int wordCount) {
  static_assert(kCodes <= kWordCodeCapacity);
  TLumiskCand& s = SrfState;
  if (chars == nullptr || count <= 0 || wordCount <= 0) return;
  FirstCharIndex& index = Index();
  const int words = std::min<int>(wordCount, static_cast<int>(index.next.size()));
  for (int w = words - 1; w >= 0; --w) {
    const int32 first = codes[w][0];
    if (lengths[w] < 1 || !IsCharNumber(first)) continue;
    index.next[w] = index.head[first];
    index.head[first] = w;
  }
  for (int i = 0; i < count && s.WordPoolCount < kWordPoolCapacity; ++i) {
    if (!IsCharNumber(chars[i])) continue;
    for (int32 w = index.head[chars[i]]; w >= 0 && s.WordPoolCount < kWordPoolCapacity;
         w = index.next[w]) {
      const int32 p = s.WordPoolCount++;
      const int n = std::min(lengths[w], kCodes);
      std::copy(codes[w], codes[w] + n, s.WordPoolCodes[p]);
      s.WordPoolLengths[p] = n;
      s.WordPoolKinds[p] = kinds[w];
      s.WordPoolGroups[p] = 0;
      s.WordPoolPatterns[p] = 0;
      s.WordPoolSerials[p] = 0;
    }
  }
  for (int w = 0; w < words; ++w)
    if (IsCharNumber(codes[w][0])) index.head[codes[w][0]] = -1;
}

}  // namespace

void AddUserWordsForKeypad(const int32* chars, int count) {
  const TLumiskCand& s = SrfState;
  AddWordsForKeypad(chars, count, s.UserWordCodes, s.UserWordLengths, s.UserWordKinds,
                    std::min(s.UserWordCount, kUserWordCapacity));
}

void AddLearnedWordsForKeypad(const int32* chars, int count) {
  const TLumiskCand& s = SrfState;
  AddWordsForKeypad(chars, count, s.LearnCodes, s.LearnLengths, s.LearnKinds,
                    std::min(s.LearnCount, kLearnCapacity));
}

}  // namespace dazi
