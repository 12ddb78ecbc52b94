// The dictionary panel PanelZD: ten character buttons and the explanation box MemoZD,
// placed beside the candidate panel that is shown.
#pragma once

#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

#include "ui/controller/ViewState.h"

namespace dazi {

class DictionaryPanelWidgets {
 public:
  // buttonClick gets the button's number, 1..10.
  DictionaryPanelWidgets(QWidget* window, const std::function<void(int)>& buttonClick);

  // candidatePanel: the candidate panel shown beside it (null when none is shown).
  void Paint(const ViewState& view, const QWidget* candidatePanel);

 private:
  QWidget* panelZD_ = nullptr;
  std::array<QToolButton*, 10> buttons_{};
  QPlainTextEdit* memoZD_ = nullptr;
};

}  // namespace dazi
