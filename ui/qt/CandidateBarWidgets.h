// The input panel Panel2 and the two candidate panels PanelPY and PanelKX, painted from the
// view state. Each candidate panel carries a dictionary toggle in its top-left corner.
#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

#include "ui/controller/ViewState.h"

namespace dazi {

class CandidateBarWidgets {
 public:
  // The panels are made children of window; dictionaryToggle runs for either toggle button.
  CandidateBarWidgets(QWidget* window, const std::function<void()>& dictionaryToggle);

  void Paint(const ViewState& view);

  // The candidate panel now shown (PanelPY or PanelKX), or null.
  const QWidget* VisibleCandidatePanel() const;

 private:
  void BuildPinyinPanel(QWidget* window, const std::function<void()>& dictionaryToggle);
  void BuildKeypadPanel(QWidget* window, const std::function<void()>& dictionaryToggle);
  // maxRight: how far right a panel may grow for long glosses.
  void PaintPinyin(const ViewState& view, int maxRight);
  void PaintKeypad(const ViewState& view, int maxRight);

  QWidget* panel2_ = nullptr;
  QLabel* label11_ = nullptr;

  QWidget* panelPY_ = nullptr;
  std::array<QLabel*, 10> pinyinLabels_{};
  std::array<QLabel*, 10> pinyinGlosses_{};
  QLabel* labelDefault_ = nullptr;
  QLabel* labelDefaultHint_ = nullptr;

  QWidget* panelKX_ = nullptr;
  std::array<QLabel*, 4> keypadLabels_{};
  std::array<QLabel*, 4> keypadGlosses_{};
  std::array<QLabel*, 24> previews_{};
};

}  // namespace dazi
