// The practice area during a lesson: each target line with the user's line under it, the line
// being typed on top, written characters green when right and red when wrong, and at the
// bottom a strip of live figures with the end button. It lies over Memo1, which keeps the
// keyboard.
#pragma once

#include <QColor>
#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/lessons/LessonRun.h"

namespace dazi {

class LessonView : public QWidget {
 public:
  LessonView(QWidget* window, std::function<void()> endClick);

  // Shows run (kept until the next call or Clear); null hides the view.
  void ShowRun(const lessons::LessonRun* run);
  QString FiguresText() const { return figures_->text(); }
  // The code hints asked for in the run, noted on the figures from the next ShowRun on.
  void ShowHintsUsed(int used) { hintsUsed_ = used; }
  // The colour a written character of that result is drawn in.
  static QColor ResultColour(lessons::CharResult result);
  // The bottom of the user's line being typed, in the view's coordinates: the candidate
  // panels open below it.
  static int CurrentPairBottom();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Cell {
    QString target;
    int place = -1;  // -1: a blank of the target, not typed
  };
  using Row = std::vector<Cell>;
  void BuildRows();
  int RowOfPlace(int place) const;

  const lessons::LessonRun* run_ = nullptr;
  const lessons::Lesson* rowsFor_ = nullptr;
  std::vector<Row> rows_;
  QLabel* figures_ = nullptr;
  QToolButton* end_ = nullptr;
  int hintsUsed_ = 0;
};

}  // namespace dazi
