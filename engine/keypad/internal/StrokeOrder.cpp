// Which characters match a stroke input and in what order they come: the predicted ones, the
// others by the first-stroke list, the code variants, and last the characters a shorter
// input showed on its first page that the typist passed over.
#include "engine/keypad/internal/StrokeOrder.h"

#include <algorithm>

namespace dazi::keypad {
namespace {

// Stroke digits a code adds again after itself when it has this many or fewer, and how many.
constexpr std::size_t kShortCode = 3;
constexpr std::size_t kRepeatStrokes = 2;

EarlierShown* FindEarlier(StrokeMatchLists& lists, int32 ch) {
  for (int i = 0; i < lists.earlierCount; ++i)
    if (lists.earlier[i].ch == ch) return &lists.earlier[i];
  return nullptr;
}

void CollectEarlierShown(StrokeMatchLists& lists, std::size_t length) {
  const TLumiskCand& s = SrfState;
  const int lengths = static_cast<int>(std::min<std::size_t>(length - 1, kKeypadLengths));
  for (int t = 1; t <= lengths; ++t) {
    const int shown = std::clamp(s.FirstPageCounts[t - 1], 0, kKeypadFirstPage);
    for (int j = 0; j < shown && lists.earlierCount < kEarlierCapacity; ++j) {
      const int32 ch = s.FirstPageChars[t - 1][j];
      if (FindEarlier(lists, ch) != nullptr) continue;
      lists.earlier[lists.earlierCount++] = {ch, false, false, 0, &s.FirstPageStrokes[t - 1][j]};
    }
  }
}

bool StartsWith(const std::string& strokes, const std::string& input) {
  return strokes.size() >= input.size() && strokes.compare(0, input.size(), input) == 0;
}

// Whether the typist has typed this code (which begins with the typed strokes) as far as the
// help teaches it: to its end, or to where only its repeat strokes are left. A code of three
// strokes or fewer is stored with the character's first one or two plain strokes again after
// it (八 3434, 他 32632, 十 612); the help teaches the short code, and the repeat only for
// when the character does not show. Plain strokes never cross, and the repeat begins with the
// character's first stroke, which the code begins with too unless it begins with a crossing.
bool TypedAsTaught(const std::string& strokes, std::size_t typed) {
  const std::size_t digits = std::min(strokes.find('0'), strokes.size());
  if (typed >= digits) return true;
  if (digits - typed > kRepeatStrokes || digits > kShortCode + kRepeatStrokes) return false;
  const std::size_t base = digits > kRepeatStrokes ? digits - kRepeatStrokes : 1;
  if (strokes.find('6', base) < digits) return false;
  return strokes[0] == '6' || strokes[base] == strokes[0];
}

void CollectPredictedChars(StrokeMatchLists& lists) {
  const TLumiskCand& s = SrfState;
  lists.predictedChars.Clear();
  const int predictedChars = std::clamp(s.PredictedCharCount, 0, kPredictedCapacity);
  for (int p = 0; p < predictedChars; ++p) lists.predictedChars.Insert(s.PredictedChars[p]);
}

// Sorts the matching entries of LookupList into the main and the variant list.
void ScanLookupList(StrokeMatchLists& lists, const std::string& input) {
  const TLumiskCand& s = SrfState;
  const int entries = std::min(s.LookupCount, kStrokeStringCapacity);
  for (int i = 0; i < entries; ++i) {
    if (!StartsWith(s.LookupStrokes[i], input)) continue;
    const int32 ch = s.LookupList[i];
    const int32 r = s.LookupVariants[i];
    EarlierShown* earlier = FindEarlier(lists, ch);
    // A character shown before was passed over, unless the typist has now typed it as the
    // help teaches, or the chain of choices predicts it: those keep their places.
    const bool passedOver = earlier != nullptr &&
                            !TypedAsTaught(s.LookupStrokes[i], input.size()) &&
                            !lists.predictedChars.Contains(ch);
    if (r >= 1) {
      // A passed-over character matched only through a variant stays listed with the
      // earlier-shown ones, rather than vanishing for good.
      if (passedOver) {
        if (!earlier->matchedByMain && !earlier->stillMatches)
          *earlier = {ch, true, false, CodeVariantKind(r), &s.LookupStrokes[i]};
      } else if (lists.variantCount < kVariantCapacity) {
        lists.variant[lists.variantCount++] = i;
      }
      continue;
    }
    if (lists.mainCount >= kMainCapacity) continue;
    lists.mainChars[lists.mainCount] = ch;
    lists.main[lists.mainCount++] = {i, passedOver, false};
    // The main match decides whether the character goes behind the others, not a variant.
    if (earlier != nullptr) *earlier = {ch, passedOver, true, kCharacterKind, &s.LookupStrokes[i]};
  }
}

void CollectPredicted(StrokeMatchLists& lists) {
  const TLumiskCand& s = SrfState;
  const int predictedChars = std::clamp(s.PredictedCharCount, 0, kPredictedCapacity);
  for (int p = 0; p < predictedChars; ++p) {
    for (int m = 0; m < lists.mainCount; ++m) {
      MainMatch& match = lists.main[m];
      if (lists.mainChars[m] != s.PredictedChars[p] || match.earlier || match.predicted) continue;
      if (lists.predictedCount >= kPredictedListCapacity) return;
      match.predicted = true;
      lists.predicted[lists.predictedCount++] = m;
    }
  }
}

}  // namespace

void OrderStrokeMatches(const std::string& input, StrokeMatchLists& lists) {
  lists.earlierCount = lists.mainCount = lists.variantCount = lists.predictedCount = 0;
  if (input.empty()) return;
  CollectEarlierShown(lists, input.size());
  CollectPredictedChars(lists);
  ScanLookupList(lists, input);
  CollectPredicted(lists);
}

}  // namespace dazi::keypad
