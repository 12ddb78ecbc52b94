// The status-bar switches, the settings acceptance and the word-making reload. Each switch
// keeps its state in the caption it shows.
#include "engine/core/MethodClass.h"
#include "engine/dict/DictLayout.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Settings.h"
#include "ui/controller/Captions.h"
#include "ui/controller/PracticeController.h"

namespace dazi {
namespace {

constexpr int kPinyinPerPage = 10;
constexpr int kKeypadPerPage = 4;

// A method switch drops the typed input, and with it the candidates shown for it: they
// belong to the other method and no longer match the (empty) input.
void DropTypedInput(PracticeController& controller) {
  SrfState.InputText.clear();
  SrfState.RemainingInput.clear();
  controller.RefreshCandidates();
}

}  // namespace

PracticeController::PracticeController() {
  StatusBarView& bar = view_.statusBar;
  bar.label13 = captions::Chinese();
  bar.label14 = captions::PinyinMethod();
  bar.label15 = captions::Simplified();
  bar.label16.clear();
  bar.label17 = captions::AsciiPunct();
  bar.comboBox1Index = 0;
  SrfState.MethodClass = ComposeMethodClass(InputMethod::Pinyin, CharClass::Simplified);
  SrfState.CandidatesPerPage = kPinyinPerPage;
  view_.memo1Lines.assign(kMemoStartLines, std::string());
}

void PracticeController::SelectPinyinMethod() {
  TLumiskCand& s = SrfState;
  view_.statusBar.label14 = captions::PinyinMethod();
  view_.statusBar.comboBox1Index = 0;
  s.MethodClass = ComposeMethodClass(InputMethod::Pinyin, ClassOf(s.MethodClass));
  s.CandidatesPerPage = kPinyinPerPage;
  view_.help.keypadTreeVisible = false;
  ++view_.help.topicRequests;
}

void PracticeController::SelectKeypadMethod() {
  TLumiskCand& s = SrfState;
  view_.statusBar.label14 = captions::KeypadMethod();
  view_.statusBar.comboBox1Index = 1;
  s.MethodClass = ComposeMethodClass(InputMethod::Keypad, ClassOf(s.MethodClass));
  s.CandidatesPerPage = kKeypadPerPage;
  view_.help.keypadTreeVisible = true;
  ++view_.help.topicRequests;
}

void PracticeController::Label14Click() {
  DropTypedInput(*this);
  if (view_.statusBar.label14 != captions::PinyinMethod())
    SelectPinyinMethod();
  else
    SelectKeypadMethod();
}

void PracticeController::SpeedButtonKXClick(MethodButton sender) {
  DropTypedInput(*this);
  if (sender == MethodButton::Keypad)
    SelectKeypadMethod();
  else
    SelectPinyinMethod();
}

void PracticeController::Label15Click() {
  std::string& caption = view_.statusBar.label15;
  int32& method = SrfState.MethodClass;
  if (caption == captions::Simplified()) {
    caption = captions::Traditional();
    method += 1;
  } else if (caption == captions::Traditional()) {
    caption = captions::Variant();
    method += 1;
  } else if (caption == captions::Variant()) {
    caption = captions::Simplified();
    method -= 2;
  }
}

// 中 / 英: in 英 the keys type themselves. The typed input belongs to the other state and is
// dropped, as with a method switch.
void PracticeController::Label13Click() {
  std::string& caption = view_.statusBar.label13;
  caption = caption == captions::Chinese() ? captions::English() : captions::Chinese();
  SrfState.EnglishMode = 0;
  DropTypedInput(*this);
}

void PracticeController::Label16Click() {
  std::string& caption = view_.statusBar.label16;
  caption = caption == captions::FullWidthOn() ? std::string() : captions::FullWidthOn();
}

void PracticeController::Label17Click() {
  std::string& caption = view_.statusBar.label17;
  caption = caption == captions::AsciiPunct() ? captions::ChinesePunct() : captions::AsciiPunct();
}

bool PracticeController::ChinesePunctuation() const {
  return view_.statusBar.label17 != captions::AsciiPunct();
}

void PracticeController::SetChinesePunctuation(bool chinese) {
  if (chinese != ChinesePunctuation()) Label17Click();
}

void PracticeController::SpeedButtonKXZDClick() {
  TLumiskCand& s = SrfState;
  if (s.ShowDictionary == 0) return;
  s.DictPanelOpen ^= 1;
  view_.panelZDVisible = s.DictPanelOpen == 1;
}

bool PracticeController::AcceptSettings(std::uint8_t flags, std::string* error) {
  // Only the three active boxes reach the byte; the state fields change at once.
  const std::uint8_t kept =
      flags & (kSettingAutoAssociate | kSettingShowEnglish | kSettingShowDictionary);
  ApplySettingsByte(kept);
  // Without glosses there is no English output to stay in.
  if (SrfState.ShowEnglish != 1) SrfState.EnglishMode = 0;
  RedrawShownPage();
  return WriteSettingsByte(kept, error);
}

// The page on the bar is drawn again with the switches as they are now.
void PracticeController::RedrawShownPage() {
  if (SrfState.CandidateCount <= 0) return;
  if (PinyinActive())
    ShowPinyinCandidates();
  else
    ShowKeypadCandidates();
}

void PracticeController::BeginWordMaking() {
  ReleaseCharTableForEditor();
}

bool PracticeController::FinishWordMaking(std::string* error) {
  return ReopenCharTableAfterEditor(error);
}

}  // namespace dazi
