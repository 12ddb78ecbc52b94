// The code hint in the window (F2 during a lesson): the next character with its pinyin, or
// with its KX code and stroke picture, in a small card at the right of the lesson view until
// that character is written.
#pragma once

#include <QFrame>
#include <QLabel>

#include "ui/lessons/CodeHint.h"
#include "ui/lessons/LessonRun.h"

namespace dazi {

class CodeHintPanel : public QFrame {
 public:
  explicit CodeHintPanel(QWidget* window);

  // Shows the hint of run now showing (hidden without one); keypad: the KX code and the
  // stroke picture rather than the pinyin.
  void ShowHint(const lessons::CodeHint& hint, const lessons::LessonRun* run, bool keypad);
  QString Text() const { return text_->text(); }
  bool HasPicture() const { return !picture_->isHidden(); }

 private:
  QLabel* text_ = nullptr;
  QLabel* picture_ = nullptr;
  int shownPlace_ = -1;
  bool shownKeypad_ = false;
};

}  // namespace dazi
