#include "ui/qt/StripDrag.h"

#include <QApplication>
#include <QWindow>
#include <utility>

namespace dazi {

StripDrag::StripDrag(QWidget* strip) : QObject(strip), strip_(strip) {
  qApp->installEventFilter(this);
}

bool StripDrag::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (handing_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
                   type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
    return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || (widget != strip_ && !strip_->isAncestorOf(widget))) return false;
  const auto& mouse = *static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseMove) return Move(mouse);
  if (type == QEvent::MouseButtonRelease) return Release(mouse);
  return Press(widget, mouse);
}

bool StripDrag::Press(QWidget* target, const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  target_ = target;
  pressAt_ = event.globalPosition().toPoint();
  pressLocal_ = event.position();
  dragging_ = false;
  return true;  // held back until the pointer moves (a drag) or the button is released (a click)
}

bool StripDrag::Move(const QMouseEvent& event) {
  if (!target_ || !(event.buttons() & Qt::LeftButton)) return false;
  QWidget* window = strip_->window();
  const QPoint at = event.globalPosition().toPoint();
  if (!dragging_) {
    if ((at - pressAt_).manhattanLength() < QApplication::startDragDistance()) return true;
    dragging_ = true;
    windowOffset_ = pressAt_ - window->pos();
    if (QWindow* handle = window->windowHandle(); handle && handle->startSystemMove()) {
      target_ = nullptr;  // the window manager moves it from here on
      return true;
    }
  }
  window->move(at - windowOffset_);  // without a system move (no window manager, offscreen)
  return true;
}

bool StripDrag::Release(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  if (!target_) return dragging_ ? std::exchange(dragging_, false) : false;
  QPointer<QWidget> target = std::exchange(target_, nullptr);
  if (std::exchange(dragging_, false)) return true;
  // A click: the page gets the press held back, then this release.
  handing_ = true;
  QMouseEvent press(QEvent::MouseButtonPress, pressLocal_, target->mapToGlobal(pressLocal_),
                    Qt::LeftButton, Qt::LeftButton, event.modifiers());
  QCoreApplication::sendEvent(target, &press);
  if (target) {
    QMouseEvent release(QEvent::MouseButtonRelease, event.position(), event.globalPosition(),
                        Qt::LeftButton, Qt::NoButton, event.modifiers());
    QCoreApplication::sendEvent(target, &release);
  }
  handing_ = false;
  return true;
}

}  // namespace dazi
