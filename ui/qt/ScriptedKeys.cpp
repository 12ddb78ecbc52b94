#include "ui/qt/ScriptedKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <memory>

namespace dazi {
namespace {

bool IsNumericPad(int virtualKey) {
  return virtualKey >= 96 && virtualKey <= 111;
}

int NamedKey(int virtualKey) {
  switch (virtualKey) {
    case 8:
      return Qt::Key_Backspace;
    case 13:
      return Qt::Key_Return;
    case 17:
      return Qt::Key_Control;
    case 27:
      return Qt::Key_Escape;
    case 33:
      return Qt::Key_PageUp;
    case 34:
      return Qt::Key_PageDown;
    case 37:
      return Qt::Key_Left;
    case 38:
      return Qt::Key_Up;
    case 39:
      return Qt::Key_Right;
    case 40:
      return Qt::Key_Down;
    case 93:
      return Qt::Key_Menu;
    default:
      return 0;
  }
}

// The widget that a key goes to: an open menu, else a modal dialog's focus, else the
// window's focus.
QWidget* KeyboardOwner(QWidget* window) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget())
    return modal->focusWidget() ? modal->focusWidget() : modal;
  return window->focusWidget() ? window->focusWidget() : window;
}

void Send(QWidget* window, const QtKeyStroke& stroke) {
  QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
  QCoreApplication::sendEvent(KeyboardOwner(window), &press);
  // A Ctrl tap releases with no modifier held.
  const Qt::KeyboardModifiers held =
      stroke.key == Qt::Key_Control ? Qt::KeyboardModifiers() : stroke.modifiers;
  QKeyEvent release(QEvent::KeyRelease, stroke.key, held, stroke.text);
  QCoreApplication::sendEvent(KeyboardOwner(window), &release);
}

}  // namespace

QtKeyStroke QtKeyFor(const keys::KeyEvent& event) {
  QtKeyStroke stroke;
  const int c = event.character;
  if (const int named = NamedKey(event.virtualKey); named != 0) {
    stroke.key = named;
    if (c != keys::kNoCharacter) stroke.text = QString(QChar(c));
    if (named == Qt::Key_Control) stroke.modifiers = Qt::ControlModifier;
    return stroke;
  }
  if (c == keys::kNoCharacter) return stroke;
  stroke.text = QString(QChar(c));
  if (IsNumericPad(event.virtualKey)) stroke.modifiers = Qt::KeypadModifier;
  if (c >= 'a' && c <= 'z') {
    stroke.key = Qt::Key_A + (c - 'a');
  } else {
    // Qt names the other printable keys by their character (capitals for letters).
    stroke.key = c;
    const bool shifted =
        (c >= 'A' && c <= 'Z') || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(QChar(c));
    if (shifted && !IsNumericPad(event.virtualKey)) stroke.modifiers |= Qt::ShiftModifier;
  }
  return stroke;
}

void TypeKeys(QWidget* window, std::vector<keys::KeyEvent> keys, std::function<void()> done) {
  struct Run {
    QPointer<QWidget> window;
    std::vector<keys::KeyEvent> keys;
    std::size_t next = 0;
    std::function<void()> done;
  };
  auto run = std::make_shared<Run>(Run{window, std::move(keys), 0, std::move(done)});
  // The pending timer holds the step; the step only knows itself weakly.
  auto step = std::make_shared<std::function<void()>>();
  *step = [run, self = std::weak_ptr<std::function<void()>>(step)] {
    if (!run->window || run->next >= run->keys.size()) {
      if (run->done) run->done();
      return;
    }
    const QtKeyStroke stroke = QtKeyFor(run->keys[run->next++]);
    // The next key is due before this one is sent: a dialog it opens runs its own loop.
    if (auto next = self.lock()) QTimer::singleShot(0, [next] { (*next)(); });
    if (stroke.key != 0) Send(run->window, stroke);
  };
  QTimer::singleShot(0, [step] { (*step)(); });
}

QImage WindowPicture(QWidget* window) {
  // On a real screen the picture is taken from the screen: what a user sees, the web page as
  // the engine drew it there, dialogs and menus over the window included. Offscreen there is
  // no screen to take it from, and the window draws itself with what is open over it.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    if (QScreen* screen = window->screen()) {
      const QRect frame = window->frameGeometry();
      const QImage shot =
          screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
      if (!shot.isNull()) return shot;
    }
  }
  QImage picture = window->grab().toImage();
  QPainter painter(&picture);
  const QPoint origin = window->geometry().topLeft();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == window || !top->isVisible() || top->parentWidget() == nullptr) continue;
    if (top->window() != top || top->parentWidget()->window() != window) continue;
    painter.drawPixmap(top->geometry().topLeft() - origin, top->grab());
  }
  return picture;
}

}  // namespace dazi
