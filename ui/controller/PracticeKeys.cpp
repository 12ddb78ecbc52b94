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

bool PracticeController::Composing() const {
  const TLumiskCand& s = SrfState;
  return !s.InputText.empty() || !s.RemainingInput.empty() || s.CandidateCount > 0;
}

PracticeController::KeyUse PracticeController::TypeKey(const keys::KeyEvent& key) {
  KeyUse use = KeyUse::Passed;
  if (key.character != keys::kNoCharacter) use = Edit1KeyPress(static_cast<char>(key.character));
  if (Memo1KeyUp(key.virtualKey) == KeyUse::Taken) use = KeyUse::Taken;
  return use;
}

PracticeController::KeyUse PracticeController::Edit1KeyPress(char key) {
  TLumiskCand& s = SrfState;
  if (EnglishInputActive()) {
    // 英: every printable key is written as it is, without converting or learning.
    if (IsPrintable(key)) WriteTypedCharacter(key);
    return KeyUse::Passed;
  }
  if (IsLowerLetter(key) && PinyinActive()) {
    TypePinyinLetter(key);
    return KeyUse::Taken;
  }
  if (IsDigit(key) && key != '0' && PinyinActive()) return ChooseByDigit(key);
  if (!PinyinActive()) {
    if (const std::optional<KeyUse> use = KeypadKeyPress(key)) return *use;
  }
  if (key == '0' && PinyinActive()) {
    if (s.CandidateCount > 0) {
      ChooseCandidate(9);
      return KeyUse::Taken;
    }
    WriteKeyItself('0');
    return KeyUse::Passed;
  }
  if (key == ' ') return TypeSpace();
  if (key == '=' && s.CandidateCount > 0) {
    NextPage();
    return KeyUse::Taken;
  }
  if (key == '-' && s.CandidateCount > 0) {
    PreviousPage();
    return KeyUse::Taken;
  }
  if (IsPunctuationKey(key)) return WritePunctuation(key);
  // Everything else (capitals in the pinyin method, control characters) acts on release.
  return KeyUse::Passed;
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

PracticeController::KeyUse PracticeController::ChooseByDigit(char key) {
  if (SrfState.CandidateCount > 0) {
    ChooseCandidate(key - '1');
    return KeyUse::Taken;
  }
  if (WriteDefaultSentence()) return KeyUse::Taken;
  WriteKeyItself(key);
  return KeyUse::Passed;
}

PracticeController::KeyUse PracticeController::TypeSpace() {
  const bool composing = Composing();
  if (SrfState.CandidateCount > 0) {
    ChooseCandidate(0);
    return KeyUse::Taken;
  }
  // A space while letters wait unconverted is still the input method's.
  return WriteDefaultSentence() || composing ? KeyUse::Taken : KeyUse::Passed;
}

PracticeController::KeyUse PracticeController::WritePunctuation(char key) {
  TLumiskCand& s = SrfState;
  const bool composing = Composing();
  const bool ascii = view_.statusBar.label17 == captions::AsciiPunct();
  if (ascii && !composing)
    WriteKeyItself(key);
  else if (ascii)
    WriteOutput(std::string(1, key));
  else if (key == '\'' || key == '"')
    WriteOutput(PairedQuote(key, s.QuoteState));
  else
    WriteOutput(FullWidthSymbols(key));
  LearnAtMark();
  ClearAndHide();  // a pending input is dropped unconverted
  return ascii && !composing ? KeyUse::Passed : KeyUse::Taken;
}

PracticeController::KeyUse PracticeController::Memo1KeyUp(int virtualKey) {
  // Keys that act on what is on show are the input method's only while something is.
  const KeyUse whileComposing = Composing() ? KeyUse::Taken : KeyUse::Passed;
  const bool hasInput = !SrfState.InputText.empty();
  KeyUse use = KeyUse::Passed;
  // In 英 the numeric pad types its digits through the character handler.
  if (!PinyinActive() && !EnglishInputActive()) use = KeypadKeyUp(virtualKey);
  switch (virtualKey) {
    case vk::kControl:
      Label13Click();
      return KeyUse::Taken;
    case vk::kBack:
      DeleteBackward();
      return hasInput ? KeyUse::Taken : KeyUse::Passed;
    case vk::kLeft:
      PressLeft();
      return whileComposing;
    case vk::kNext:
      NextPage();
      return whileComposing;
    case vk::kPrior:
      PreviousPage();
      return whileComposing;
    case vk::kReturn:
      PressEnter();
      return whileComposing;
    case vk::kEscape:
      PressEscape();
      return whileComposing;
    default:
      return use;
  }
}

void PracticeController::DeleteBackward() {
  TLumiskCand& s = SrfState;
  if (s.InputText.empty()) {
    ClearCollectedPhrase();  // the text no longer reads what was collected
    return EnglishInputActive() ? DeleteTypedCharacter() : WriteOutput({});
  }
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
    LearnAtMark();  // letters written as they are end the phrase
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
  LearnAtMark();
  ClearAndHide();
}

void PracticeController::ResetComposition() {
  TLumiskCand& s = SrfState;
  s.EnglishMode = 0;
  s.RemainingInput.clear();
  s.PageIndex = 0;
  s.ResultCount = 0;
  s.AssociationCount = 0;
  s.AssociationShown = 0;
  s.FollowOnCount = 0;
  s.ChainLength = 0;
  s.DefaultSentence.clear();  // no longer pending for a later space
  ClearCollectedPhrase();
  ClearAndHide();
  view_.label11.clear();
  view_.keypad.previews.fill({});
  view_.pinyin.labelDefault.clear();
  view_.pinyin.labelDefaultHintVisible = false;
  view_.panelZDVisible = false;
}

// Escape drops the input, and with it the English output chosen for it.
void PracticeController::PressEscape() {
  SrfState.EnglishMode = 0;
  SrfState.InputText.clear();
  SrfState.RemainingInput.clear();
  RefreshCandidates();
}

}  // namespace dazi
