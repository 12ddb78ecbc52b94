// Next-stroke previews: for each stroke key, the characters beyond the current first page
// that the first page will show once that key is pressed.
#include "engine/keypad/StrokePreviews.h"

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/keypad/StrokeWords.h"
#include "engine/keypad/internal/KeypadScratch.h"
#include "engine/keypad/internal/StrokeOrder.h"

namespace dazi {
namespace {

// Whether the first page of the current input (length strokes, 1..8) shows character ch.
bool OnCurrentFirstPage(std::size_t length, int32 ch) {
  const TLumiskCand& s = SrfState;
  const int shown = std::clamp(s.FirstPageCounts[length - 1], 0, kKeypadFirstPage);
  for (int i = 0; i < shown; ++i)
    if (s.FirstPageChars[length - 1][i] == ch) return true;
  return false;
}

// The first page of input plus stroke d, ordered as the lookup will order it (the current
// first page is remembered by then); its characters matched by their main codes that are not
// on show already become the previews of key d.
void PreviewKey(const std::string& next, int d) {
  TLumiskCand& s = SrfState;
  keypad::StrokeMatchLists& lists = keypad::CurrentKeypadScratch().nextLists;
  keypad::OrderStrokeMatches(next, lists);
  int onPage = CountLeadingOwnWords(next);  // the typist's own words come first
  if (onPage >= kKeypadFirstPage) return;
  keypad::ForEachInListOrder(lists, [&](int32 ch, int32 kind, const std::string*) {
    if (kind == kCharacterKind && !OnCurrentFirstPage(next.size() - 1, ch)) {
      s.KeypadPreviews[(d - 1) * 4 + s.KeypadPreviewCounts[d - 1]] = CharText(ch);
      ++s.KeypadPreviewCounts[d - 1];
    }
    return ++onPage < kKeypadFirstPage;
  });
}

}  // namespace

void BuildStrokePreviews() {
  TLumiskCand& s = SrfState;
  std::fill(std::begin(s.KeypadPreviewCounts), std::end(s.KeypadPreviewCounts), 0);
  for (std::string& preview : s.KeypadPreviews) preview.clear();
  const std::size_t length = s.InputText.size();
  // Beyond eight strokes no character is left to preview.
  if (length >= kStrokeCodeDigits || KeypadPunctuationIndex(s.InputText) >= 0) return;
  if (s.ResultCount <= kKeypadFirstPage) return;
  std::string next = s.InputText + '0';
  for (int d = 1; d <= 6; ++d) {
    next.back() = static_cast<char>('0' + d);
    PreviewKey(next, d);
  }
}

}  // namespace dazi
