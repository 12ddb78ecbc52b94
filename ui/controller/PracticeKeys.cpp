// The key rules of the practice area: the character handler first, the release handler after.
#include "engine/core/MethodClass.h"
#include "engine/user/Learning.h"
#include "ui/controller/CandidateLayout.h"
#include "ui/controller/Captions.h"
#include "ui/controller/PracticeController.h"
#include "ui/controller/Punctuation.h"
#include "ui/controller/VirtualKeys.h"

namespace dazi {
namespace {

bool IsLowerLetter(char k) {
  return k >= 'a' && k <= 'z';
}
bool IsDigit(char k) {
  return k >= '0' && k <= '9';
}
bool IsPrintable(char k) {
  return k >= ' ' && k <= '~';
}

}  // namespace

bool PracticeController::PinyinActive() const {
  return MethodOf(SrfState.MethodClass) == InputMethod::Pinyin;
}

bool PracticeController::SentenceClassActive() const {
  return PinyinActive() && ClassOf(SrfState.MethodClass) != CharClass::Variant;
}

bool PracticeController::EnglishInputActive() const {
  return view_.statusBar.label13 == captions::English();
}

void PracticeController::Edit1KeyPress(char key) {
  TLumiskCand& s = SrfState;
  if (EnglishInputActive()) {
    // 英: every printable key is written as it is, without converting or learning.
    if (IsPrintable(key)) WriteTypedCharacter(key);
    return;
  }
  if (IsLowerLetter(key) && PinyinActive()) return TypePinyinLetter(key);
  if (IsDigit(key) && key != '0' && PinyinActive()) return ChooseByDigit(key);
  if (!PinyinActive() && KeypadKeyPress(key)) return;
  if (key == '0' && PinyinActive()) {
    if (s.CandidateCount > 0) return ChooseCandidate(9);
    return WriteOutput("0");
  }
  if (key == ' ') return TypeSpace();
  if (key == '=' && s.CandidateCount > 0) return NextPage();
  if (key == '-' && s.CandidateCount > 0) return PreviousPage();
  if (IsPunctuationKey(key)) return WritePunctuation(key);
  // Everything else (capitals in the pinyin method, control characters) acts on release.
}

void PracticeController::TypePinyinLetter(char key) {
  TLumiskCand& s = SrfState;
  if (static_cast<int>(s.InputText.size()) >= kMaxInputLetters) return;
  s.PageIndex = 0;
  s.AssociationCount = 0;
  s.InputText += key;
  // A new input is no longer narrowing the follow-on words on show: its choice starts its own.
  if (s.InputText.size() == 1) s.AssociationShown = 0;
  if (s.InputText.size() <= 2 || s.CandidateCount != 0) {
    RefreshCandidates();
  } else {
    // Three or more letters that matched nothing before will match nothing now.
    view_.label11 = InputDisplay(s.InputText);
  }
  if (s.CandidateCount == 0 && s.RemainingInput.empty() && SentenceClassActive())
    OfferDefaultSentence();
}

void PracticeController::ChooseByDigit(char key) {
  if (SrfState.CandidateCount > 0) return ChooseCandidate(key - '1');
  if (WriteDefaultSentence()) return;
  WriteOutput(std::string(1, key));
}

void PracticeController::TypeSpace() {
  if (SrfState.CandidateCount > 0) return ChooseCandidate(0);
  WriteDefaultSentence();
}

void PracticeController::WritePunctuation(char key) {
  TLumiskCand& s = SrfState;
  if (view_.statusBar.label17 == captions::AsciiPunct())
    WriteOutput(std::string(1, key));
  else if (key == '\'' || key == '"')
    WriteOutput(PairedQuote(key, s.QuoteState));
  else
    WriteOutput(FullWidthSymbols(key));
  LearnAtMark();
  ClearAndHide();  // a pending input is dropped unconverted
}

void PracticeController::Memo1KeyUp(int virtualKey) {
  // In 英 the numeric pad types its digits through the character handler.
  if (!PinyinActive() && !EnglishInputActive()) KeypadKeyUp(virtualKey);
  switch (virtualKey) {
    case vk::kControl:
      return Label13Click();
    case vk::kBack:
      return DeleteBackward();
    case vk::kLeft:
      return PressLeft();
    case vk::kNext:
      return NextPage();
    case vk::kPrior:
      return PreviousPage();
    case vk::kReturn:
      return PressEnter();
    case vk::kEscape:
      return PressEscape();
    default:
      return;
  }
}

void PracticeController::DeleteBackward() {
  TLumiskCand& s = SrfState;
  if (s.InputText.empty()) return EnglishInputActive() ? DeleteTypedCharacter() : WriteOutput({});
  s.InputText.pop_back();
  if (s.InputText.empty()) s.RemainingInput.clear();
  RefreshCandidates();
  if (s.CandidateCount == 0 && s.RemainingInput.empty() && SentenceClassActive())
    OfferDefaultSentence();
}

void PracticeController::PressLeft() {
  const TLumiskCand& s = SrfState;
  if (!SentenceClassActive()) return;
  if (s.CandidateCount == 0 && !s.InputText.empty() && s.RemainingInput.empty())
    return StartSentenceCorrectionAtLeft();
  if (s.InputText.size() >= 2) ShortenOrSplitAtLeft();
}

void PracticeController::PressEnter() {
  TLumiskCand& s = SrfState;
  if (s.CandidateCount == 0) {
    if (s.InputText.empty()) return;
    WriteOutput(s.InputText);
    return ClearAndHide();
  }
  if (s.ShowEnglish != 1) return;
  if (s.EnglishMode == 0) {
    s.EnglishMode = 1;
    if (PinyinActive())
      ShowPinyinCandidates();
    else
      ShowKeypadCandidates();
    return;
  }
  s.EnglishMode = 0;
  WriteOutput(s.InputText);
  ClearAndHide();
}

// Escape drops the input, and with it the English output chosen for it.
void PracticeController::PressEscape() {
  SrfState.EnglishMode = 0;
  SrfState.InputText.clear();
  SrfState.RemainingInput.clear();
  RefreshCandidates();
}

}  // namespace dazi
