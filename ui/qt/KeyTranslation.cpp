#include "ui/qt/KeyTranslation.h"

#include "ui/controller/VirtualKeys.h"

namespace dazi {
namespace {

// The numeric pad with NumLock on: digits 96..105 and the operator keys.
int NumericPadCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:  // the decimal key of layouts with a decimal comma
      return 110;
    case Qt::Key_Slash:
      return 111;
    default:
      return 0;  // Enter and the NumLock-off keys share the main keyboard's codes
  }
}

int ControlKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Clear:
      return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Menu:
      return 93;
    case Qt::Key_NumLock:
      return 144;
    default:
      return 0;
  }
}

}  // namespace

int KeyCharacter(int qtKey, const QString& text) {
  if (text.size() == 1 && text[0].unicode() >= 1 && text[0].unicode() <= 126)
    return text[0].unicode();
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    case Qt::Key_Backspace:
      return '\b';
    case Qt::Key_Tab:
      return '\t';
    case Qt::Key_Escape:
      return 27;
    default:
      return kNoKeyCharacter;
  }
}

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const int pad = NumericPadCode(qtKey)) return pad;
  }
  // The keys of printable characters are numbered by their ASCII code (letters upper case).
  if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde) {
    if (const int code = vk::OfCharacter(static_cast<char>(qtKey))) return code;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  return ControlKeyCode(qtKey);
}

bool IsModifierKey(int qtKey) {
  return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt ||
         qtKey == Qt::Key_AltGr || qtKey == Qt::Key_Meta;
}

}  // namespace dazi
