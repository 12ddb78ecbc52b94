// The practice area during a lesson: the lesson's title, each target row with the user's row
// under it (the last finished row above the one being typed), written characters green when
// right and red when wrong, and at the bottom a strip of live figures with the buttons 重打,
// 下一段 and 结束练习. The rows keep to the left; the candidate card opens in the column on the
// right, so it covers neither the rows in sight nor the strip. It lies over Memo1, which keeps
// the keyboard.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/lessons/LessonRun.h"

namespace dazi {

// What the strip's buttons do.
struct LessonViewActions {
  std::function<void()> end;          // 结束练习
  std::function<void()> retry;        // 重打 (F3): the lesson or segment from its start
  std::function<void()> nextSegment;  // 下一段
};

class LessonView : public QWidget {
 public:
  LessonView(QWidget* window, LessonViewActions actions);

  // Shows run (kept until the next call or Clear); null hides the view.
  void ShowRun(const lessons::LessonRun* run);
  // Whether 下一段 is offered (a segmented lesson before its last segment).
  void OfferNextSegment(bool offer);
  QString FiguresText() const { return figuresText_; }
  // The code hints asked for in the run, noted on the figures from the next ShowRun on.
  void ShowHintsUsed(int used) { hintsUsed_ = used; }
  // The colour a written character of that result is drawn in.
  static QColor ResultColour(lessons::CharResult result);
  // Where the candidate card (the input panel over the candidate panel) opens during a lesson,
  // in the window's coordinates: the top of the column right of the rows.
  static QPoint CardTopLeft();
  // The strip of figures and buttons, and the column of the rows, in the view's coordinates.
  QRect StripRect() const;
  QRect RowsRect() const;
  // The rows in sight, top to bottom: the row's index and whether it is the row being typed.
  struct DrawnRow {
    int row = 0;
    bool current = false;
  };
  const std::vector<DrawnRow>& DrawnRows() const { return drawn_; }

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
  void PlaceRows();  // the rows in sight for the current place
  void ShowFigures(const QString& text);

  const lessons::LessonRun* run_ = nullptr;
  std::vector<std::string> rowsFor_;  // the lines rows_ was made of
  std::vector<Row> rows_;
  std::vector<DrawnRow> drawn_;
  QString figuresText_;
  QLabel* title_ = nullptr;
  QLabel* figures_ = nullptr;
  QToolButton* retry_ = nullptr;
  QToolButton* nextSegment_ = nullptr;
  QToolButton* end_ = nullptr;
  int hintsUsed_ = 0;
};

}  // namespace dazi
