// The order of the characters that match a stroke input, shared by the stroke lookup (which
// lists them) and the previews (which foresee the first page of the next stroke).
#pragma once

#include <string>

#include "engine/core/CandidateKinds.h"
#include "engine/keypad/internal/KeypadScratch.h"

namespace dazi::keypad {

// Sorts the characters whose codes begin with input into lists: the characters the first
// pages of the shorter inputs showed, the predicted ones, the main and the variant matches.
void OrderStrokeMatches(const std::string& input, StrokeMatchLists& lists);

// Calls visit(character, kind, strokes) for each character match in list order: predicted
// characters, the other main matches, the code-variant matches; the characters passed over
// at a shorter input follow the first page of those (all of them when they fill no page).
// Stops early when visit returns false.
template <typename Visit>
void ForEachInListOrder(const StrokeMatchLists& lists, Visit&& visit) {
  const TLumiskCand& s = SrfState;
  int listed = 0;
  bool passedOverListed = false;
  const auto listPassedOver = [&]() {
    passedOverListed = true;
    for (int i = 0; i < lists.earlierCount; ++i) {
      const EarlierShown& earlier = lists.earlier[i];
      if (earlier.stillMatches && !visit(earlier.ch, earlier.kind, earlier.strokes)) return false;
    }
    return true;
  };
  const auto list = [&](int lookup, int32 kind) {
    if (!passedOverListed && listed >= kKeypadFirstPage && !listPassedOver()) return false;
    ++listed;
    return visit(s.LookupList[lookup], kind, &s.LookupStrokes[lookup]);
  };
  for (int i = 0; i < lists.predictedCount; ++i)
    if (!list(lists.main[lists.predicted[i]].lookup, kCharacterKind)) return;
  for (int m = 0; m < lists.mainCount; ++m) {
    const MainMatch& match = lists.main[m];
    if (!match.earlier && !match.predicted && !list(match.lookup, kCharacterKind)) return;
  }
  for (int i = 0; i < lists.variantCount; ++i) {
    const int lookup = lists.variant[i];
    if (!list(lookup, CodeVariantKind(s.LookupVariants[lookup]))) return;
  }
  if (!passedOverListed) listPassedOver();
}

}  // namespace dazi::keypad
