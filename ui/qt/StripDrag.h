// Pressing and moving on the web panel's strip drags the window, as on the window's own
// surface, instead of selecting the page's text; a click without a move still reaches the
// page (its links), handed on when the button is released.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace dazi {

class StripDrag : public QObject {
 public:
  // Watches the mouse over strip and everything in it (the browser makes its page widgets
  // when it starts, so the whole application's events are looked at).
  explicit StripDrag(QWidget* strip);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Press(QWidget* target, const QMouseEvent& event);
  bool Move(const QMouseEvent& event);
  bool Release(const QMouseEvent& event);

  QWidget* strip_;
  QPointer<QWidget> target_;  // the widget pressed, while the button is down
  QPoint pressAt_;            // global position of the press
  QPointF pressLocal_;        // and in the target's coordinates
  QPoint windowOffset_;       // pointer minus window position, while dragging by hand
  bool dragging_ = false;
  bool handing_ = false;  // a held-back click is being handed to the page
};

}  // namespace dazi
