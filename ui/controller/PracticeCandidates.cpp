// The candidate bar: looking up the input, drawing the page, paging.
#include <algorithm>

#include "engine/Unit_SRF.h"
#include "ui/controller/CandidateLayout.h"
#include "ui/controller/Captions.h"
#include "ui/controller/PracticeController.h"

namespace dazi {
namespace {

// Memo1 sits at (225, 241); the input panel 60 pixels below its top, the candidate panels
// 28 pixels below the input panel.
constexpr Point kMemo1Position{225, 241};
constexpr int kPanel2Drop = 60;
constexpr int kCandidatePanelDrop = 28;

int ShownSlots(int limit) {
  return std::clamp(SrfState.CandidateCount, 0, limit);
}

}  // namespace

void PracticeController::ShowInputPanels() {
  view_.panel2Visible = true;
  view_.panel2Position = {kMemo1Position.left, kMemo1Position.top + kPanel2Drop};
  view_.candidatePanelPosition = {view_.panel2Position.left,
                                  view_.panel2Position.top + kCandidatePanelDrop};
}

void PracticeController::RefreshCandidates() {
  TLumiskCand& s = SrfState;
  ShowInputPanels();
  view_.label11 = InputDisplay(s.InputText);
  s.CandidateCount = 0;
  if (!s.InputText.empty()) {
    if (PinyinActive()) {
      view_.panelPYVisible = true;
      view_.panelKXVisible = false;
      RefreshPinyinLookup(s.InputText);
      ShowPinyinCandidates();
    } else {
      view_.panelKXVisible = true;
      view_.panelPYVisible = false;
      KeypadLookup();
      ShowKeypadCandidates();
    }
  }
  if (s.InputText.empty() && s.CandidateCount == 0) {
    HideCandidatePanels();
    view_.panelZDVisible = false;
  }
}

void PracticeController::ShowPinyinCandidates() {
  const TLumiskCand& s = SrfState;
  PinyinPanelView& py = view_.pinyin;
  const int shown = ShownSlots(kPageCapacity);
  // The hint speaks of the default sentence: it goes with one letter, and while candidates
  // (drawn over its place) are chosen with Space instead.
  if (s.InputText.size() == 1 || shown > 0) py.labelDefaultHintVisible = false;
  py.labelDefault.clear();
  py.labels.fill({});
  py.glosses.fill({});
  const bool english = s.EnglishMode == 1;
  py.candidateColour = english ? LabelColour::GrayText : LabelColour::Black;
  py.glossColour = english ? LabelColour::Black : LabelColour::GrayText;
  view_.label11 = InputDisplay(s.InputText);
  for (int i = 0; i < shown; ++i) {
    std::string text = s.CandidateTexts[i];
    if (english) text = ShortenForEnglish(text);
    const auto slot = static_cast<std::size_t>(i);
    py.glossLefts[slot] = GlossLeft(static_cast<int>(text.size()));
    py.labels[slot] = SlotPrefix(i) + text;
    py.glosses[slot] = s.ShowEnglish == 1 ? s.CandidateGlosses[i] : std::string();
  }
  ShowDictionaryButtons();
}

void PracticeController::ShowKeypadCandidates() {
  const TLumiskCand& s = SrfState;
  KeypadPanelView& kx = view_.keypad;
  kx.labels.fill({});
  kx.glosses.fill({});
  kx.previews.fill({});
  const bool english = s.EnglishMode == 1;
  kx.candidateColour = english ? LabelColour::GrayText : LabelColour::Black;
  kx.glossColour = english ? LabelColour::Black : LabelColour::GrayText;
  view_.label11 = InputDisplay(s.InputText);
  const int shown = ShownSlots(static_cast<int>(kx.labels.size()));
  for (int i = 0; i < shown; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    kx.labels[slot] = english ? ShortenForEnglish(s.CandidateTexts[i]) : s.CandidateTexts[i];
    kx.glosses[slot] = s.CandidateGlosses[i];  // shown whatever ShowEnglish says
  }
  // The previews tell what the next stroke of the typed strokes offers; follow-on words
  // after a choice have no strokes behind them.
  if (!s.InputText.empty())
    for (std::size_t i = 0; i < kx.previews.size(); ++i) kx.previews[i] = s.KeypadPreviews[i];
  ShowDictionaryButtons();
}

void PracticeController::ShowDictionaryButtons() {
  const TLumiskCand& s = SrfState;
  DictionaryPanelView& zd = view_.dictionary;
  if (s.ShowDictionary == 0) {
    view_.panelZDVisible = false;
    return;
  }
  view_.panelZDVisible = s.DictPanelOpen == 1;
  zd.buttons.fill({});
  const int shown = ShownSlots(kPageCapacity);
  for (int i = 0; i < shown; ++i)
    if (s.CandidateTexts[i].size() == 2)
      zd.buttons[static_cast<std::size_t>(i)] = s.CandidateTexts[i];
  zd.highlighted = 0;
  // Only the shown page has explanations; the slots beyond it hold those of earlier pages.
  zd.memoZD = shown > 0 ? s.CandidateDictTexts[0] : std::string();
  if (zd.memoZD.empty()) view_.panelZDVisible = false;
}

void PracticeController::SpeedButtonZD01Click(int button) {
  if (button < 1 || button > kPageCapacity) return;
  view_.dictionary.highlighted = button - 1;
  const bool onPage = button <= ShownSlots(kPageCapacity);
  view_.dictionary.memoZD = onPage ? SrfState.CandidateDictTexts[button - 1] : std::string();
}

void PracticeController::FillCurrentPage() {
  if (PinyinActive()) {
    BuildCandidatePage();
    ShowPinyinCandidates();
  } else {
    KeypadPageFill();
    ShowKeypadCandidates();
  }
}

void PracticeController::PreviousPage() {
  if (SrfState.PageIndex <= 0) return;
  --SrfState.PageIndex;
  FillCurrentPage();
}

void PracticeController::NextPage() {
  TLumiskCand& s = SrfState;
  if (PinyinActive() && s.FullListBuilt == 0) {
    // The word step of the first lookup stopped early; gather the words of every candidate.
    const int starts = std::clamp(s.LookupCount, 0, kLookupCapacity - 1);
    GatherWords(s.InputText, s.LookupList, starts);
    s.FullListBuilt = 1;
  }
  const long next = (static_cast<long>(s.PageIndex) + 1) * s.CandidatesPerPage;
  if (next >= s.ResultCount && next >= s.AssociationCount) return;
  ++s.PageIndex;
  FillCurrentPage();
}

}  // namespace dazi
