// Qt keys to the practice area's characters and Windows virtual-key codes.
#include <gtest/gtest.h>

#include "ui/qt/KeyTranslation.h"

namespace dazi {
namespace {

TEST(KeyTranslation, NumericPadIsToldByTheKeypadModifier) {
  const struct {
    Qt::Key key;
    int pad;
    int main;
  } cases[] = {
      {Qt::Key_0, 96, 48},         {Qt::Key_1, 97, 49},       {Qt::Key_9, 105, 57},
      {Qt::Key_Asterisk, 106, 56}, {Qt::Key_Plus, 107, 187},  {Qt::Key_Minus, 109, 189},
      {Qt::Key_Period, 110, 190},  {Qt::Key_Slash, 111, 191}, {Qt::Key_Enter, 13, 13},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VirtualKeyCode(c.key, Qt::KeypadModifier), c.pad) << c.key;
    EXPECT_EQ(VirtualKeyCode(c.key, Qt::NoModifier), c.main) << c.key;
  }
  // NumLock off: the pad's navigation keys are the main keyboard's.
  EXPECT_EQ(VirtualKeyCode(Qt::Key_PageDown, Qt::KeypadModifier), 34);
}

TEST(KeyTranslation, MainKeyboardCodesOfAUsKeyboard) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_A, Qt::NoModifier), 65);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Z, Qt::ShiftModifier), 90);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), 49);      // on the 1 key
  EXPECT_EQ(VirtualKeyCode(Qt::Key_ParenRight, Qt::ShiftModifier), 48);  // on the 0 key
  EXPECT_EQ(VirtualKeyCode(Qt::Key_QuoteDbl, Qt::ShiftModifier), 222);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Comma, Qt::NoModifier), 188);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Space, Qt::NoModifier), 32);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Backspace, Qt::NoModifier), 8);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Escape, Qt::NoModifier), 27);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, Qt::NoModifier), 37);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_PageUp, Qt::NoModifier), 33);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_unknown, Qt::NoModifier), 0);
}

TEST(KeyTranslation, CharactersComeFromTheTextOrTheControlKey) {
  EXPECT_EQ(KeyCharacter(Qt::Key_A, QStringLiteral("a")), 'a');
  EXPECT_EQ(KeyCharacter(Qt::Key_A, QStringLiteral("A")), 'A');
  EXPECT_EQ(KeyCharacter(Qt::Key_1, QStringLiteral("1")), '1');
  EXPECT_EQ(KeyCharacter(Qt::Key_Return, QString()), '\r');
  EXPECT_EQ(KeyCharacter(Qt::Key_Enter, QString()), '\r');
  EXPECT_EQ(KeyCharacter(Qt::Key_Backspace, QString()), '\b');
  EXPECT_EQ(KeyCharacter(Qt::Key_Escape, QString()), 27);
  EXPECT_EQ(KeyCharacter(Qt::Key_Left, QString()), kNoKeyCharacter);
  EXPECT_EQ(KeyCharacter(Qt::Key_Shift, QString()), kNoKeyCharacter);
  EXPECT_EQ(KeyCharacter(Qt::Key_unknown, QStringLiteral("中")), kNoKeyCharacter);
}

}  // namespace
}  // namespace dazi
