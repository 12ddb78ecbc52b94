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

// Character keys in the keypad method: a letter is written as it is, digits and the pad
// symbols + . / * are left to the release handler, which says whether the key was used.
std::optional<PracticeController::KeyUse> PracticeController::KeypadKeyPress(char key) {
  if (IsLetter(key)) {
    WriteKeyItself(key);
    return KeyUse::Passed;
  }
  if (IsDigit(key) || key == '+' || key == '.' || key == '/' || key == '*') return KeyUse::Passed;
  // Both minus keys arrive here as '-' and page back on their release (the pad's and the
  // main row's), so paging here as well would turn back two pages. Without candidates '-' is
  // still written as a mark.
  if (key == '-' && SrfState.CandidateCount > 0) return KeyUse::Passed;
  return std::nullopt;
}

// Releases in the keypad method: pad digits 1-6 extend the strokes, * and / replace them,
// + and - page (the main row's - too), the pad point deletes a stroke, pad 0, 7, 8, 9 choose.
// The stroke keys are always the method's; paging, deleting and choosing only while there is
// something to page, delete or choose.
PracticeController::KeyUse PracticeController::KeypadKeyUp(int virtualKey) {
  TLumiskCand& s = SrfState;
  const KeyUse whileComposing = Composing() ? KeyUse::Taken : KeyUse::Passed;
  if (virtualKey >= vk::kNumpad1 && virtualKey <= vk::kNumpad6) {
    // Longer inputs than any stroke key can match nothing; further strokes are dropped.
    if (static_cast<int>(s.InputText.size()) >= kKeypadInputLimit) return KeyUse::Taken;
    s.PageIndex = 0;
    s.AssociationCount = 0;
    s.InputText += static_cast<char>('1' + virtualKey - vk::kNumpad1);
    if (s.InputText.size() == 1) s.AssociationShown = 0;
    RefreshCandidates();
    return KeyUse::Taken;
  }
  if (virtualKey == vk::kMultiply || virtualKey == vk::kDivide) {
    s.PageIndex = 0;
    s.AssociationCount = 0;
    s.InputText = virtualKey == vk::kMultiply ? "*" : "/";
    RefreshCandidates();
    return KeyUse::Taken;
  }
  if (virtualKey == vk::kAdd) {
    NextPage();
    return whileComposing;
  }
  if (virtualKey == vk::kSubtract) {
    PreviousPage();
    return whileComposing;
  }
  // The main row's - pages back as its = pages on; its press was left to this release.
  if (virtualKey == vk::kOemMinus && s.CandidateCount > 0) {
    PreviousPage();
    return KeyUse::Taken;
  }
  if (virtualKey == vk::kDecimal) {
    const KeyUse use = s.InputText.empty() ? KeyUse::Passed : KeyUse::Taken;
    if (!s.InputText.empty()) s.InputText.pop_back();
    RefreshCandidates();
    return use;
  }
  const int slot = PadChoiceSlot(virtualKey);
  if (slot < 0) return KeyUse::Passed;
  const KeyUse use = s.CandidateCount > 0 ? KeyUse::Taken : KeyUse::Passed;
  ChooseCandidate(slot);
  return use;
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
