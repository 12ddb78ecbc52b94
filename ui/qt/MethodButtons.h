// The two method buttons below the help topics, SpeedButtonLY (澜音) and SpeedButtonKX (ＫＸ),
// on their small panel: each draws its name, readable under the pointer too, and the button
// of the active method is marked.
#pragma once

#include <QAbstractButton>
#include <functional>

namespace dazi {

class MethodButton : public QAbstractButton {
 public:
  MethodButton(QWidget* parent, const QString& name);

  void SetActive(bool active);
  bool Active() const { return active_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool active_ = false;
  bool hovered_ = false;
};

class MethodButtons {
 public:
  MethodButtons(QWidget* window, const std::function<void()>& pinyinClick,
                const std::function<void()>& keypadClick);

  // comboBox1Index: 0 pinyin, 1 keypad.
  void Paint(int comboBox1Index);

 private:
  MethodButton* pinyin_ = nullptr;
  MethodButton* keypad_ = nullptr;
};

}  // namespace dazi
