// The key rules of the stroke keypad method and its candidate lookup.
#include "engine/keypad/KeypadEngine.h"
#include "ui/controller/PracticeController.h"
#include "ui/controller/VirtualKeys.h"

namespace dazi {
namespace {

bool IsLetter(char k) {
  return (k >= 'a' && k <= 'z') || (k >= 'A' && k <= 'Z');
}
bool IsDigit(char k) {
  return k >= '0' && k <= '9';
}

// The numeric pad's 0, 7, 8, 9 choose the four slots in this order.
int PadChoiceSlot(int virtualKey) {
  if (virtualKey == vk::kNumpad0) return 0;
  if (virtualKey >= vk::kNumpad7 && virtualKey <= vk::kNumpad9)
    return virtualKey - vk::kNumpad7 + 1;
  return -1;
}

}  // namespace

// Character keys in the keypad method: a letter is written, digits and the pad symbols
// + . / * are left to the release handler. Returns whether the key was taken.
bool PracticeController::KeypadKeyPress(char key) {
  if (IsLetter(key)) {
    WriteOutput(std::string(1, key));
    return true;
  }
  if (IsDigit(key) || key == '+' || key == '.' || key == '/' || key == '*') return true;
  // Both minus keys arrive here as '-' and page back on their release (the pad's and the
  // main row's), so paging here as well would turn back two pages. Without candidates '-' is
  // still written as a mark.
  return key == '-' && SrfState.CandidateCount > 0;
}

// Releases in the keypad method: pad digits 1-6 extend the strokes, * and / replace them,
// + and - page (the main row's - too), the pad point deletes a stroke, pad 0, 7, 8, 9 choose.
void PracticeController::KeypadKeyUp(int virtualKey) {
  TLumiskCand& s = SrfState;
  if (virtualKey >= vk::kNumpad1 && virtualKey <= vk::kNumpad6) {
    // Longer inputs than any stroke key can match nothing; further strokes are dropped.
    if (static_cast<int>(s.InputText.size()) >= kKeypadInputLimit) return;
    s.PageIndex = 0;
    s.AssociationCount = 0;
    s.InputText += static_cast<char>('1' + virtualKey - vk::kNumpad1);
    if (s.InputText.size() == 1) s.AssociationShown = 0;
    return RefreshCandidates();
  }
  if (virtualKey == vk::kMultiply || virtualKey == vk::kDivide) {
    s.PageIndex = 0;
    s.AssociationCount = 0;
    s.InputText = virtualKey == vk::kMultiply ? "*" : "/";
    return RefreshCandidates();
  }
  if (virtualKey == vk::kAdd) return NextPage();
  if (virtualKey == vk::kSubtract) return PreviousPage();
  // The main row's - pages back as its = pages on; its press was left to this release.
  if (virtualKey == vk::kOemMinus && s.CandidateCount > 0) return PreviousPage();
  if (virtualKey == vk::kDecimal) {
    if (!s.InputText.empty()) s.InputText.pop_back();
    return RefreshCandidates();
  }
  const int slot = PadChoiceSlot(virtualKey);
  if (slot >= 0) ChooseCandidate(slot);
}

// Stroke lookup, first page and previews for InputText.
void PracticeController::KeypadLookup() {
  RefreshKeypadLookup(SrfState.InputText);
}

// BuildKeypadPage for PageIndex; the previews stay those of the input's first page.
void PracticeController::KeypadPageFill() {
  BuildKeypadPage();
}

}  // namespace dazi
