#include "ui/qt/KeyTranslation.h"

#include <string_view>

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

// Shifted main-row characters, in the order of their digits 0-9.
constexpr std::u16string_view kShiftedDigits = u")!@#$%^&*(";

int PunctuationCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 222;
    default:
      return 0;
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
    case Qt::Key_Space:
      return 32;
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
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 65..90, as in ASCII
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // 48..57
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  if (qtKey > 0 && qtKey < 0x7F) {
    const std::size_t digit = kShiftedDigits.find(static_cast<char16_t>(qtKey));
    if (digit != std::u16string_view::npos) return '0' + static_cast<int>(digit);
  }
  if (const int punctuation = PunctuationCode(qtKey)) return punctuation;
  return ControlKeyCode(qtKey);
}

}  // namespace dazi
