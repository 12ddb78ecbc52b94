// The practice area Memo1: whole lines in sight, the caret where the next character goes,
// and the line being typed kept above the candidate card.
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "tests/gui/WindowFixture.h"
#include "ui/qt/PracticeArea.h"

namespace dazi::testing {
namespace {

class PracticeAreaTest : public WindowTest {
 protected:
  PracticeArea* Area() const { return static_cast<PracticeArea*>(Memo1()); }

  // A tap of Ctrl alone switches between 中 and 英.
  void TapCtrl() const {
    QTest::keyPress(Memo1(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(Memo1(), Qt::Key_Control);
  }
  // Right edge of line's text, in the viewport.
  int LineRight(int line) const {
    QTextCursor end(Area()->document()->findBlockByNumber(line));
    end.movePosition(QTextCursor::EndOfBlock);
    return Area()->cursorRect(end).left();
  }
  // Whether the caret is painted: dark pixels in its place on the viewport.
  bool CaretPainted() const {
    const QImage picture = Area()->viewport()->grab().toImage();
    const QRect caret = Area()->CaretRect();
    return qGray(picture.pixel(caret.center())) < 100;
  }
};

TEST_F(PracticeAreaTest, EveryCharacterOfAFullLineIsInSight) {
  for (int i = 0; i < 40; ++i) QTest::keyClicks(Memo1(), "zhong ");  // 40 characters
  TapCtrl();
  QTest::keyClicks(Memo1(), QString(kMemoLineBytes, QLatin1Char('W')));  // wide letters
  ASSERT_EQ(Memo1Lines()[0], QString(40, QChar(0x4E2D)));
  ASSERT_EQ(Memo1Lines()[1], QString(kMemoLineBytes, QLatin1Char('W')));
  const int room = Area()->viewport()->width();
  EXPECT_LE(LineRight(0), room);
  EXPECT_LE(LineRight(1), room);
  EXPECT_EQ(Area()->horizontalScrollBar()->value(), 0);
  // Nothing covers the right end of the box.
  EXPECT_EQ(Area()->viewport()->geometry().right(), Area()->rect().right());
}

TEST_F(PracticeAreaTest, CaretStandsWhereTheNextCharacterGoes) {
  EXPECT_EQ(Area()->CaretRect().left(), 0);
  EXPECT_TRUE(CaretPainted());
  QTest::keyClicks(Memo1(), "nihao ");
  const int afterTwo = Area()->CaretRect().left();
  EXPECT_EQ(afterTwo, LineRight(0));
  EXPECT_GT(afterTwo, 20);
  EXPECT_TRUE(CaretPainted());

  // A full line sends the next character to the start of the next line.
  for (int i = 0; i < 38; ++i) QTest::keyClicks(Memo1(), "zhong ");
  ASSERT_EQ(Memo1Lines()[0].size(), 40);
  EXPECT_EQ(Area()->CaretRect().left(), 0);
  EXPECT_GT(Area()->CaretRect().top(), Area()->LineHeight() - 1);
}

// From the fourth line on, the card would cover the line being typed: the text scrolls up
// while the card stays in its place, and the caret's line stays in sight above it.
TEST_F(PracticeAreaTest, LineBeingTypedStaysAboveTheCandidateCard) {
  TapCtrl();
  for (int line = 0; line < 6; ++line) QTest::keyClicks(Memo1(), QString(80, QLatin1Char('x')));
  QTest::keyClicks(Memo1(), "abc");
  TapCtrl();
  QTest::keyClicks(Memo1(), "ni");
  ASSERT_TRUE(Shown("Panel2"));
  EXPECT_EQ(Control("Panel2")->pos(), QPoint(225, 301));
  EXPECT_EQ(Control("PanelPY")->pos(), QPoint(225, 329));
  const QRect caret = Area()->CaretRect().translated(Memo1()->pos());
  EXPECT_GE(caret.top(), Memo1()->y());
  EXPECT_LE(caret.bottom(), Control("Panel2")->y()) << caret.bottom();
  const QTextBlock typed = Area()->document()->findBlockByNumber(6);
  EXPECT_EQ(typed.text(), QStringLiteral("abc "));
}

// Once the card closes the text comes back down: its last line at the bottom of the box, no
// blank room under it, however the view was scrolled, by the card or by the wheel.
TEST_F(PracticeAreaTest, TheLastLineReturnsToTheBottomAndTheRoomBelowStaysOutOfSight) {
  TapCtrl();
  for (int line = 0; line < 20; ++line) QTest::keyClicks(Memo1(), QString(80, QLatin1Char('x')));
  QTest::keyClicks(Memo1(), "abc");
  TapCtrl();
  const int height = Area()->viewport()->height();
  const int ascent = QFontMetrics(Area()->font()).ascent();
  auto lastLineTop = [this] {
    QTextCursor last(Area()->document()->findBlockByNumber(Area()->LineCount() - 1));
    return Area()->cursorRect(last).top();
  };
  auto expectAtTheBottom = [&](const char* when) {
    SCOPED_TRACE(when);
    EXPECT_LE(lastLineTop() + ascent, height);                         // the last line shows
    EXPECT_GT(lastLineTop() + Area()->LineHeight() + ascent, height);  // nothing under it
  };
  expectAtTheBottom("before the card");
  QTest::keyClicks(Memo1(), "ni");
  ASSERT_TRUE(Shown("Panel2"));
  EXPECT_LT(lastLineTop(), Control("Panel2")->y() - Memo1()->y());
  QTest::keyClick(Memo1(), Qt::Key_Escape);
  expectAtTheBottom("after the card");
  Area()->verticalScrollBar()->setValue(Area()->verticalScrollBar()->maximum());
  expectAtTheBottom("after scrolling down");
  Area()->verticalScrollBar()->setValue(0);  // back through the text: allowed
  EXPECT_GT(lastLineTop(), height);
}

}  // namespace
}  // namespace dazi::testing
