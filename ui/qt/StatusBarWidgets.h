// The status bar Panel3 (Image3 with the toolbar menu, Label13..Label17), the hidden method
// list ComboBox1, the clear and close buttons, and the two method buttons below the help
// topics. Captions come from the view state; clicks go to the handlers given.
#pragma once

#include <QComboBox>
#include <QMenu>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "ui/controller/ViewState.h"
#include "ui/qt/MethodButtons.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

struct StatusBarHandlers {
  std::function<void()> label13Click, label14Click, label15Click, label16Click, label17Click;
  std::function<void()> speedButtonLYClick, speedButtonKXClick;  // method buttons
  std::function<void()> speedButton1Click;                       // close
  std::function<void()> speedButton2Click;                       // clear the practice text
  std::function<void()> n1Click, n2Click;                        // settings, help
  std::function<void()> n3Click, n4Click;                        // word-making, about
  std::function<void()> n5Click;                                 // lessons (menu and button)
  std::function<void()> n6Click;                                 // export the lesson history
};

class StatusBarWidgets {
 public:
  StatusBarWidgets(QWidget* window, const StatusBarHandlers& handlers);

  void Paint(const StatusBarView& view);

  QMenu* PopupMenu1() const { return popupMenu1_; }
  // The menu key: the toolbar menu opens under the yellow sign.
  void OpenPopupMenu();

 private:
  void BuildPopupMenu(QWidget* window, const StatusBarHandlers& handlers);
  void Image3MouseDown(const QMouseEvent& event);

  QWidget* window_ = nullptr;
  QWidget* panel3_ = nullptr;
  ClickLabel* image3_ = nullptr;
  std::array<ClickLabel*, 5> labels_{};  // Label13..Label17
  QComboBox* comboBox1_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  std::unique_ptr<MethodButtons> methodButtons_;
};

}  // namespace dazi
