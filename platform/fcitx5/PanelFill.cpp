#include "platform/fcitx5/PanelFill.h"

#include <fcitx/candidatelist.h>
#include <fcitx/inputpanel.h>
#include <fcitx/text.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "ui/controller/CandidateLayout.h"

namespace dazi::fcitx5 {
namespace {

// The pad keys that choose the keypad method's four slots, in slot order.
constexpr const char* kKeypadLabels[] = {"0", "7", "8", "9"};

class SlotCandidate : public fcitx::CandidateWord {
 public:
  SlotCandidate(fcitx::Text text, int slot, ChooseSlot choose)
      : fcitx::CandidateWord(std::move(text)), slot_(slot), choose_(std::move(choose)) {}
  // The choice refills the panel, which deletes this candidate: nothing of it is used after.
  void select(fcitx::InputContext* ic) const override {
    const ChooseSlot choose = choose_;
    const int slot = slot_;
    choose(ic, slot);
  }

 private:
  int slot_;
  ChooseSlot choose_;
};

// One page as it is shown; paging is the method's own keys, so the list has no pages.
class PageList : public fcitx::CandidateList {
 public:
  void Add(fcitx::Text label, std::unique_ptr<SlotCandidate> word) {
    labels_.push_back(std::move(label));
    words_.push_back(std::move(word));
  }
  const fcitx::Text& label(int idx) const override { return labels_.at(Index(idx)); }
  const fcitx::CandidateWord& candidate(int idx) const override { return *words_.at(Index(idx)); }
  int size() const override { return static_cast<int>(words_.size()); }
  int cursorIndex() const override { return words_.empty() ? -1 : 0; }
  fcitx::CandidateLayoutHint layoutHint() const override {
    return fcitx::CandidateLayoutHint::NotSet;
  }

 private:
  static std::size_t Index(int idx) { return static_cast<std::size_t>(idx); }
  std::vector<fcitx::Text> labels_;
  std::vector<std::unique_ptr<SlotCandidate>> words_;
};

// A candidate with its gloss after it as a comment that is never committed.
fcitx::Text CandidateText(const std::string& gbkText, const std::string& gbkGloss) {
  fcitx::Text text(Utf8FromGbk(gbkText));
  if (!gbkGloss.empty())
    text.append(" " + Utf8FromGbk(gbkGloss), fcitx::TextFormatFlag::DontCommit);
  return text;
}

std::unique_ptr<PageList> CandidatePage(const PracticeController& controller, bool keypadMethod,
                                        const ChooseSlot& choose) {
  const ViewState& view = controller.View();
  auto list = std::make_unique<PageList>();
  const int capacity = keypadMethod ? static_cast<int>(view.keypad.labels.size()) : kPageCapacity;
  const int shown = std::clamp(SrfState.CandidateCount, 0, capacity);
  for (int i = 0; i < shown; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    std::string text, label;
    std::string gloss;
    if (keypadMethod) {
      text = view.keypad.labels[slot];
      gloss = view.keypad.glosses[slot];
      label = std::string(kKeypadLabels[slot]) + ".";
    } else {
      const std::string prefix = SlotPrefix(i);
      text =
          view.pinyin.labels[slot].substr(std::min(prefix.size(), view.pinyin.labels[slot].size()));
      gloss = view.pinyin.glosses[slot];
      label = std::string(1, i == 9 ? '0' : static_cast<char>('1' + i)) + ".";
    }
    list->Add(fcitx::Text(label),
              std::make_unique<SlotCandidate>(CandidateText(text, gloss), i, choose));
  }
  return list;
}

// The next-stroke previews, one group per stroke key: "1:一二 2:丨 ...".
std::string StrokePreviews(const KeypadPanelView& keypad) {
  std::string line;
  for (std::size_t key = 0; key < keypad.previews.size() / 4; ++key) {
    std::string group;
    for (std::size_t j = 0; j < 4; ++j) group += keypad.previews[key * 4 + j];
    if (group.empty()) continue;
    if (!line.empty()) line += ' ';
    line += std::to_string(key + 1) + ':' + Utf8FromGbk(group);
  }
  return line;
}

std::string Preedit() {
  const TLumiskCand& s = SrfState;
  return s.RemainingInput.empty() ? s.InputText : s.InputText + ' ' + s.RemainingInput;
}

void ShowPreedit(fcitx::InputContext* ic, const std::string& preedit) {
  fcitx::InputPanel& panel = ic->inputPanel();
  fcitx::Text text(preedit, fcitx::TextFormatFlag::Underline);
  text.setCursor(static_cast<int>(preedit.size()));
  if (ic->capabilityFlags().test(fcitx::CapabilityFlag::Preedit))
    panel.setClientPreedit(text);
  else
    panel.setPreedit(text);
  ic->updatePreedit();
}

}  // namespace

void FillPanel(fcitx::InputContext* ic, const PracticeController& controller, bool keypadMethod,
               const ChooseSlot& choose) {
  fcitx::InputPanel& panel = ic->inputPanel();
  panel.reset();
  ShowPreedit(ic, Preedit());
  const ViewState& view = controller.View();
  if (keypadMethod && !SrfState.InputText.empty())
    panel.setAuxUp(fcitx::Text(StrokePreviews(view.keypad)));
  if (!keypadMethod && view.pinyin.labelDefaultHintVisible && !view.pinyin.labelDefault.empty())
    panel.setAuxDown(fcitx::Text(Utf8FromGbk(view.pinyin.labelDefault)));
  std::unique_ptr<PageList> page = CandidatePage(controller, keypadMethod, choose);
  if (page->size() > 0) panel.setCandidateList(std::move(page));
  ic->updateUserInterface(fcitx::UserInterfaceComponent::InputPanel);
}

void ClearPanel(fcitx::InputContext* ic) {
  ic->inputPanel().reset();
  ic->updatePreedit();
  ic->updateUserInterface(fcitx::UserInterfaceComponent::InputPanel);
}

}  // namespace dazi::fcitx5
