// Words typed by strokes: the first character by its first two strokes, each middle character
// by its first stroke, the last character by its strokes until the word appears.
#include "engine/keypad/StrokeWords.h"

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictLayout.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/keypad/internal/KeypadResults.h"
#include "engine/keypad/internal/KeypadScratch.h"
#include "engine/keypad/internal/KeypadWordList.h"

namespace dazi {
namespace {

using keypad::AppendKeypadResult;
using keypad::kBucketCapacity;
using keypad::kWordGroupCount;
using keypad::WordBuckets;

int FirstStroke(std::uint32_t code) {
  return static_cast<int>(FirstStrokeOf(code));
}

// Whether the stroke key of pool word w begins with the typed strokes after the first two.
// The key is the first stroke of each character from the second to the last but one, then
// the whole main code of the last character.
bool StrokeKeyMatches(int32 w, const std::string& input) {
  const TLumiskCand& s = SrfState;
  const int n = s.WordPoolLengths[w];
  const int middle = n - 2;
  const std::size_t typed = input.size() - 2;
  if (typed > static_cast<std::size_t>(middle + kStrokeCodeDigits)) return false;
  std::size_t i = 0;
  for (; i < typed && i < static_cast<std::size_t>(middle); ++i) {
    const int stroke = FirstStroke(ReadStrokeCode(s.WordPoolCodes[w][1 + i], 0));
    if (input[2 + i] != static_cast<char>('0' + stroke)) return false;
  }
  if (i == typed) return true;
  const std::string last = StrokeString(ReadStrokeCode(s.WordPoolCodes[w][n - 1], 0));
  return input.compare(2 + i, typed - i, last, 0, typed - i) == 0;
}

// Two strokes: the dictionary words of the matched characters, in character order, until the
// pool is full.
void GatherTwoStrokeWords(const int32* chars, int count) {
  TLumiskCand& s = SrfState;
  for (int i = 0; i < count; ++i) {
    const int32 first = s.WordPoolCount;
    const bool room = keypad::AppendCharacterWordsToPool(chars[i]);
    for (int32 w = first; w < s.WordPoolCount; ++w) AppendKeypadResult(w, kDictionaryWordKind);
    if (!room) break;
  }
}

void FilterPoolByStrokeKeys(const std::string& input) {
  const TLumiskCand& s = SrfState;
  WordBuckets& buckets = keypad::CurrentKeypadScratch().buckets;
  std::fill(&buckets.counts[0][0], &buckets.counts[0][0] + 2 * kWordGroupCount, 0);
  const int pool = std::clamp(s.WordPoolCount, 0, kWordPoolCapacity);
  for (int32 w = 0; w < pool; ++w) {
    const int n = s.WordPoolLengths[w];
    if (n < 2 || n > kWordCodeCapacity || !StrokeKeyMatches(w, input)) continue;
    // Complete once the strokes have reached the last character.
    const int part = input.size() >= static_cast<std::size_t>(n) + 1 ? 0 : 1;
    const int group = std::clamp(s.WordPoolGroups[w], 0, kWordGroupCount - 1);
    int& count = buckets.counts[part][group];
    if (count < kBucketCapacity) buckets.entries[part][group][count++] = w;
  }
  for (int part = 0; part < 2; ++part)
    for (int group = 0; group < kWordGroupCount; ++group)
      for (int i = 0; i < buckets.counts[part][group]; ++i) {
        const int32 w = buckets.entries[part][group][i];
        if (!AppendKeypadResult(w, s.WordPoolKinds[w])) return;
      }
}

}  // namespace

void MatchStrokeWords(const std::string& input, const int32* chars, int count) {
  if (input.size() < 2) return;
  if (input.size() == 2) {
    if (chars != nullptr) GatherTwoStrokeWords(chars, count);
    return;
  }
  FilterPoolByStrokeKeys(input);
}

}  // namespace dazi
