// User-lexicon and learned words for the keypad word pool.
#include "engine/keypad/KeypadUserWords.h"

#include <algorithm>

#include "engine/core/WordsByFirstChar.h"
#include "engine/keypad/internal/KeypadScratch.h"

namespace dazi {
namespace {

constexpr int kCodes = kUserWordCodeCapacity;
static_assert(kCodes <= kWordCodeCapacity);

// Character numbers are two-byte values above 0 in every file.
bool IsCharNumber(int32 c) {
  return c > 0 && c < CharNumberSet::kLimit;
}

// Appends to the pool, for each of chars in order, the words (codes[w], lengths[w],
// kinds[w], w < wordCount) that begin with it, in stored order.
void AddWordsForKeypad(const int32* chars, int count, const int32 (*codes)[kCodes],
                       const int32* lengths, const int32* kinds, int wordCount) {
  TLumiskCand& s = SrfState;
  if (chars == nullptr || count <= 0 || wordCount <= 0) return;
  WordsByFirstChar& lexiconIndex = keypad::CurrentKeypadScratch().lexiconIndex;
  lexiconIndex.Build(codes, lengths, wordCount);
  for (int i = 0; i < count && s.WordPoolCount < kWordPoolCapacity; ++i) {
    if (!IsCharNumber(chars[i])) continue;
    for (int w = lexiconIndex.First(chars[i]); w >= 0 && s.WordPoolCount < kWordPoolCapacity;
         w = lexiconIndex.Next(w)) {
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
