// The method buttons, the punctuation caption and the Ctrl key's 中/英 switch, as a user sees
// and uses them.
#include <QTest>

#include "tests/gui/WindowFixture.h"

namespace dazi::testing {
namespace {

using Switches = WindowTest;

// Pixels darker than the paper: the ink of a caption.
int InkPixels(const QImage& picture) {
  int ink = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ink += qGray(picture.pixel(x, y)) < 170 ? 1 : 0;
  return ink;
}

// Width of the box around what is drawn (ink and frames) in a caption.
int DrawnWidth(const QImage& picture) {
  int left = picture.width(), right = -1;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 200) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return right < left ? 0 : right - left + 1;
}

QImage Picture(QWidget* widget) {
  return widget->grab().toImage();
}

void Hover(QWidget* widget) {
  QEnterEvent enter(QPointF(5, 5), widget->mapTo(widget->window(), QPointF(5, 5)),
                    widget->mapToGlobal(QPointF(5, 5)));
  QCoreApplication::sendEvent(widget, &enter);
}

TEST_F(Switches, MethodButtonsStayReadableAndMarkTheActiveMethod) {
  QWidget* pinyin = Control("SpeedButtonLY");
  QWidget* keypad = Control("SpeedButtonKX");
  const QImage keypadIdle = Picture(keypad);
  const QImage pinyinActive = Picture(pinyin);
  EXPECT_GT(InkPixels(keypadIdle), 20);  // the name is drawn

  Hover(keypad);
  EXPECT_GT(InkPixels(Picture(keypad)), InkPixels(keypadIdle) / 2) << "the name under the pointer";

  Click("SpeedButtonKX");
  EXPECT_NE(Picture(keypad), keypadIdle);  // marked as active
  EXPECT_NE(Picture(pinyin), pinyinActive);
  Click("SpeedButtonLY");
  EXPECT_EQ(Picture(pinyin), pinyinActive);
}

// Half-width and full-width punctuation are told apart at a glance: the full-width caption
// is drawn as wide as a Chinese character's square, the half-width one half as wide.
TEST_F(Switches, PunctuationCaptionsShowTheirWidth) {
  QWidget* label17 = Control("Label17");
  ASSERT_EQ(Text("Label17"), QStringLiteral(" ;"));
  const int half = DrawnWidth(Picture(label17));
  Click("Label17");
  ASSERT_EQ(Text("Label17"), QStringLiteral(" ；"));
  const int full = DrawnWidth(Picture(label17));
  EXPECT_GE(full, half * 3 / 2) << half << " " << full;
}

// A tap of Ctrl alone flips 中/英 as the help topic promises; in 英 the keys type
// themselves, letters side by side, and Backspace takes one letter.
TEST_F(Switches, CtrlTapSwitchesToEnglishTyping) {
  QTest::keyClicks(Memo1(), "ni");
  QTest::keyPress(Memo1(), Qt::Key_Control, Qt::ControlModifier);
  QTest::keyClick(Memo1(), Qt::Key_C, Qt::ControlModifier);  // Ctrl+C is no tap
  QTest::keyRelease(Memo1(), Qt::Key_Control);
  ASSERT_EQ(Text("Label13"), QStringLiteral("中"));

  QTest::keyPress(Memo1(), Qt::Key_Control, Qt::ControlModifier);
  QTest::keyRelease(Memo1(), Qt::Key_Control);
  EXPECT_EQ(Text("Label13"), QStringLiteral("英"));
  EXPECT_FALSE(Shown("Panel2"));  // the pending pinyin went with the switch
  QTest::keyClicks(Memo1(), "Hello, world 1+1=2.");
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("Hello, world 1+1=2. "));
  QTest::keyClick(Memo1(), Qt::Key_Backspace);
  QTest::keyClick(Memo1(), Qt::Key_Backspace);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("Hello, world 1+1= "));
  QTest::keyClicks(Memo1(), "3!");
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("Hello, world 1+1=3! "));

  QTest::keyPress(Memo1(), Qt::Key_Control, Qt::ControlModifier);
  QTest::keyRelease(Memo1(), Qt::Key_Control);
  EXPECT_EQ(Text("Label13"), QStringLiteral("中"));
  QTest::keyClicks(Memo1(), "zhong");
  EXPECT_EQ(Text("Label1"), QStringLiteral("1: 中"));
}

}  // namespace
}  // namespace dazi::testing
