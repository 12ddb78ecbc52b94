// Next-stroke previews: for each stroke key, the first characters beyond the first page that
// the key would keep.
#include "engine/keypad/StrokePreviews.h"

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/keypad/internal/KeypadScratch.h"

namespace dazi {

void BuildStrokePreviews() {
  TLumiskCand& s = SrfState;
  std::fill(std::begin(s.KeypadPreviewCounts), std::end(s.KeypadPreviewCounts), 0);
  for (std::string& preview : s.KeypadPreviews) preview.clear();
  const std::size_t length = s.InputText.size();
  // Beyond eight strokes no character is left to preview.
  if (length >= kStrokeCodeDigits || KeypadPunctuationIndex(s.InputText) >= 0) return;
  const int results = std::min({s.ResultCount, kResultCapacity, kStrokeStringCapacity});
  if (results <= kKeypadFirstPage) return;
  const keypad::StrokeMatchLists& lists = keypad::CurrentKeypadScratch().lists;
  int stored = 0;
  for (int k = kKeypadFirstPage; k < results && stored < kPreviewCount; ++k) {
    // The code variants close the characters; passed-over ones matched through a variant
    // sit among them and are only stepped over.
    if (s.ResultKinds[k] != kCharacterKind) {
      if (k >= lists.passedOverBegin && k < lists.passedOverEnd) continue;
      break;
    }
    const std::string& strokes = s.ResultStrokes[k];
    if (strokes.size() <= length) continue;
    const int d = strokes[length] - '0';
    if (d < 1 || d > 6 || s.KeypadPreviewCounts[d - 1] >= 4) continue;
    s.KeypadPreviews[(d - 1) * 4 + s.KeypadPreviewCounts[d - 1]] = CharText(s.ResultIds[k]);
    ++s.KeypadPreviewCounts[d - 1];
    ++stored;
  }
}

}  // namespace dazi
