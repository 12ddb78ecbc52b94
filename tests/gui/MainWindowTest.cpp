// The main window driven like a user: key events on the practice area and clicks on the
// status bar, checked on the widgets the window paints.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>

#include "engine/core/Unit_Data.h"
#include "tests/gui/WindowFixture.h"
#include "tests/support/RealDictionaries.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi::testing {
namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsBorderlessInThePinyinMethodWithPanelsHidden) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("打字练习"));
  EXPECT_TRUE(window_->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window_->size(), QSize(800, 561));
  EXPECT_EQ(Memo1()->geometry(), QRect(225, 241, 560, 305));
  EXPECT_TRUE(notices_.empty());

  EXPECT_EQ(Text("Label13"), QStringLiteral("中"));
  EXPECT_EQ(Text("Label14"), QStringLiteral("澜音"));
  EXPECT_EQ(Text("Label15"), QStringLiteral("简"));
  EXPECT_EQ(Text("Label16"), QString());
  EXPECT_EQ(Text("Label17"), QStringLiteral(" ;"));
  EXPECT_EQ(Control<QComboBox>("ComboBox1")->currentIndex(), 0);
  EXPECT_EQ(SrfState.MethodClass, 0);
  for (const char* panel : {"Panel2", "PanelPY", "PanelKX", "PanelZD"})
    EXPECT_FALSE(Shown(panel)) << panel;
  EXPECT_EQ(Memo1Lines(), std::vector<QString>(21));

  // The pictures come from the program's resources through the JPEG reader.
  EXPECT_EQ(LoadPicture(QStringLiteral("background.jpg")).size(), QSize(800, 562));
  EXPECT_FALSE(LoadPicture(QStringLiteral("panel-py.jpg")).isNull());
  EXPECT_FALSE(LoadPicture(QStringLiteral("panel-kx.jpg")).isNull());
}

TEST_F(MainWindow, LettersShowThePinyinPanelBelowTheInput) {
  QTest::keyClicks(Memo1(), "zhong");
  ASSERT_TRUE(Shown("Panel2"));
  ASSERT_TRUE(Shown("PanelPY"));
  EXPECT_FALSE(Shown("PanelKX"));
  EXPECT_EQ(Text("Label11"), QStringLiteral("zhong"));
  EXPECT_EQ(Control("Panel2")->pos(), QPoint(225, 301));
  EXPECT_EQ(Control("PanelPY")->pos(), QPoint(225, 329));
  EXPECT_EQ(Text("Label1"), QStringLiteral("1: 中"));
  EXPECT_EQ(Text("Label_YW01"), QStringLiteral("middle"));
  EXPECT_EQ(Control("Label_YW01")->x(), 118);
  EXPECT_EQ(Text("Label10"), QString());  // fewer than ten candidates
}

// A gloss longer than the panel's standard width grows the panel, up to the practice area's
// right edge, and is shown whole; the input panel keeps the candidate panel's width.
TEST_F(MainWindow, LongGlossesWidenTheCandidatePanelWithinThePracticeArea) {
  const QString gloss = QStringLiteral("country; nation; state; the land a people lives in");
  QTest::keyClicks(Memo1(), "guo");
  ASSERT_EQ(Text("Label1"), QStringLiteral("1: 国"));
  EXPECT_EQ(Text("Label_YW01"), gloss);
  const QRect panel = Control("PanelPY")->geometry();
  EXPECT_GT(panel.width(), 232);
  EXPECT_LE(panel.right(), Memo1()->geometry().right());
  EXPECT_TRUE(panel.contains(Control("Label_YW01")->geometry().translated(panel.topLeft())));
  EXPECT_EQ(Control("Panel2")->width(), panel.width());

  QTest::keyClick(Memo1(), Qt::Key_Escape);
  QTest::keyClicks(Memo1(), "zhong");
  EXPECT_EQ(Control("PanelPY")->width(), 232);  // short glosses: the standard width
}

TEST_F(MainWindow, DigitChoosesAndBackspaceDeletes) {
  QTest::keyClicks(Memo1(), "zhongguo");
  ASSERT_EQ(Text("Label1"), QStringLiteral("1: 中国"));
  QTest::keyClick(Memo1(), Qt::Key_1);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中国"));
  EXPECT_EQ(Memo1Lines().size(), 21u);
  EXPECT_FALSE(Shown("Panel2"));

  QTest::keyClick(Memo1(), Qt::Key_Backspace);  // empty input: deletes from the text
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中"));
}

TEST_F(MainWindow, EnterOnEitherKeyWritesTheLettersAndEscapeDropsThem) {
  QTest::keyClicks(Memo1(), "qq");
  ASSERT_EQ(Text("Label1"), QString());  // no candidate for it
  QTest::keyClick(Memo1(), Qt::Key_Return);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("qq"));
  QTest::keyClicks(Memo1(), "x");
  QTest::keyClick(Memo1(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("qqx "));  // odd pieces get a blank

  QTest::keyClicks(Memo1(), "ni");
  ASSERT_TRUE(Shown("PanelPY"));
  QTest::keyClick(Memo1(), Qt::Key_Escape);
  EXPECT_FALSE(Shown("PanelPY"));
  EXPECT_FALSE(Shown("Panel2"));
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("qqx "));
}

// Holding a key repeats its character but releases it once, so a held Backspace deletes
// one letter, as the key-release rule sees one release.
TEST_F(MainWindow, AutoRepeatedReleasesAreNotKeyReleases) {
  QTest::keyClicks(Memo1(), "zhong");
  QTest::keyPress(Memo1(), Qt::Key_Backspace);
  QTest::keyEvent(QTest::Release, Memo1(), Qt::Key_Backspace, Qt::NoModifier);
  ASSERT_EQ(Text("Label11"), QStringLiteral("zhon"));
  QTest::sendKeyEvent(QTest::Press, Memo1(), Qt::Key_Backspace, QStringLiteral("\b"),
                      Qt::NoModifier);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier,
                          QStringLiteral("\b"), true);
  QCoreApplication::sendEvent(Memo1(), &repeatRelease);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"),
                        true);
  QCoreApplication::sendEvent(Memo1(), &repeatPress);
  QTest::keyRelease(Memo1(), Qt::Key_Backspace);
  EXPECT_EQ(Text("Label11"), QStringLiteral("zho"));
}

TEST_F(MainWindow, NumericPadTypesStrokesInTheKeypadMethod) {
  Click("Label14");
  ASSERT_EQ(Text("Label14"), QStringLiteral("ＫＸ"));
  for (Qt::Key key : {Qt::Key_2, Qt::Key_5, Qt::Key_1})
    QTest::keyClick(Memo1(), key, Qt::KeypadModifier);
  QTest::keyClick(Memo1(), Qt::Key_2);  // a main-row digit is no stroke
  EXPECT_EQ(Text("Label11"), QStringLiteral("251"));
  ASSERT_TRUE(Shown("PanelKX"));
  EXPECT_FALSE(Shown("PanelPY"));
  EXPECT_EQ(Text("Label_KX0"), QStringLiteral("中"));
  EXPECT_EQ(Text("Label_KX7"), QStringLiteral("国"));

  QTest::keyClick(Memo1(), Qt::Key_Period, Qt::KeypadModifier);  // removes a stroke
  EXPECT_EQ(Text("Label11"), QStringLiteral("25"));
  QTest::keyClick(Memo1(), Qt::Key_1, Qt::KeypadModifier);
  QTest::keyClick(Memo1(), Qt::Key_7, Qt::KeypadModifier);  // the second candidate
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("国"));
}

TEST_F(MainWindow, StatusBarClicksSwitchMethodClassAndPunctuation) {
  Click("Label15");
  EXPECT_EQ(Text("Label15"), QStringLiteral("繁"));
  EXPECT_EQ(SrfState.MethodClass, 1);
  Click("SpeedButtonKX");
  EXPECT_EQ(Text("Label14"), QStringLiteral("ＫＸ"));
  EXPECT_EQ(Control<QComboBox>("ComboBox1")->currentIndex(), 1);
  EXPECT_EQ(SrfState.MethodClass, 4);
  Click("SpeedButtonLY");
  EXPECT_EQ(Text("Label14"), QStringLiteral("澜音"));
  EXPECT_EQ(SrfState.MethodClass, 1);
  Click("Label13");
  EXPECT_EQ(Text("Label13"), QStringLiteral("英"));
  Click("Label13");
  EXPECT_EQ(Text("Label13"), QStringLiteral("中"));
  Click("Label16");
  EXPECT_EQ(Text("Label16"), QStringLiteral("●"));

  Click("Label17");
  EXPECT_EQ(Text("Label17"), QStringLiteral(" ；"));
  QTest::keyClick(Memo1(), Qt::Key_Comma);
  QTest::keyClick(Memo1(), '"');
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("，“"));
  Click("SpeedButton2");
  EXPECT_EQ(Memo1Lines(), std::vector<QString>(21));
}

TEST_F(MainWindow, DictionaryPanelOpensBesideTheCandidates) {
  QTest::keyClicks(Memo1(), "zhong");
  ASSERT_FALSE(Shown("PanelZD"));  // closed at start
  Click("SpeedButtonPYZD");
  ASSERT_TRUE(Shown("PanelZD"));
  EXPECT_EQ(Control<QToolButton>("SpeedButtonZD01")->text(), QStringLiteral("中"));
  EXPECT_EQ(Control<QPlainTextEdit>("MemoZD")->toPlainText(), QStringLiteral("中：释义"));
  const QRect candidates = Control("PanelPY")->geometry();
  const QRect dictionary = Control("PanelZD")->geometry();
  EXPECT_FALSE(dictionary.intersects(candidates));
  EXPECT_TRUE(window_->rect().contains(dictionary));

  QTest::keyClick(Memo1(), Qt::Key_1);  // a choice closes the bar and the panel
  EXPECT_FALSE(Shown("PanelZD"));
}

TEST_F(MainWindow, CloseButtonClosesTheWindow) {
  ASSERT_TRUE(window_->isVisible());
  Click("SpeedButton1");
  EXPECT_FALSE(window_->isVisible());
}

// Offscreen there is no system move, so the window follows the pointer itself.
TEST_F(MainWindow, PressingOnTheBackgroundDragsTheWindow) {
  const QPoint start = window_->pos();
  QTest::mousePress(window_.get(), Qt::LeftButton, {}, QPoint(600, 150));
  QTest::mouseMove(window_.get(), QPoint(630, 170));
  QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, QPoint(630, 170));
  EXPECT_EQ(window_->pos(), start + QPoint(30, 20));

  QWidget* practiceArea = static_cast<QPlainTextEdit*>(Memo1())->viewport();  // does not drag
  QTest::mousePress(practiceArea, Qt::LeftButton, {}, QPoint(50, 50));
  QTest::mouseMove(practiceArea, QPoint(90, 90));
  QTest::mouseRelease(practiceArea, Qt::LeftButton, {}, QPoint(90, 90));
  EXPECT_EQ(window_->pos(), start + QPoint(30, 20));
}

// Escape drops the input and with it the English output chosen for it.
TEST_F(MainWindow, EscapeEndsEnglishOutput) {
  QTest::keyClicks(Memo1(), "zhong");
  QTest::keyClick(Memo1(), Qt::Key_Return);
  ASSERT_EQ(SrfState.EnglishMode, 1);
  QTest::keyClick(Memo1(), Qt::Key_Escape);
  QTest::keyClicks(Memo1(), "zhong");
  QTest::keyClick(Memo1(), Qt::Key_1);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中"));
}

// No font here draws the user-defined characters of "va": the page shows their codes.
TEST_F(MainWindow, UserDefinedCharactersShowTheirCodes) {
  QTest::keyClicks(Memo1(), "va");
  EXPECT_EQ(Text("Label1"), QStringLiteral("1: 造字AAA1"));
  EXPECT_EQ(Text("Label10"), QStringLiteral("0: 造字AAAA"));
  for (const char* name : {"Label2", "Label5", "Label9"}) {
    const QString text = Text(name);
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](QChar c) {
      return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF;
    })) << name;
  }
  EXPECT_LT(Control("Label1")->x() + Control<QLabel>("Label1")->sizeHint().width(),
            Control("PanelPY")->width());
}

// After a choice the window shows the state it is in: no chosen letters above the follow-on
// words.
TEST_F(MainWindow, FollowOnWordsStandUnderAnEmptyInput) {
  QTest::keyClicks(Memo1(), "zhong");
  QTest::keyClick(Memo1(), Qt::Key_1);
  ASSERT_TRUE(Shown("PanelPY"));
  ASSERT_EQ(Text("Label1"), QStringLiteral("1: 中国"));  // a follow-on word
  EXPECT_EQ(Text("Label11"), QString());
}

// The hint about the default sentence is never drawn over a shown candidate, and its two
// phrases keep their words whole.
class RealDataWindow : public WindowTest {
 protected:
  void SetUp() override {
    const std::string why = LinkRealDictionaries(folder_.Path());
    if (!why.empty()) GTEST_SKIP() << why;
    Open(nullptr);
  }
  bool HintCoversACandidate() const {
    QWidget* hint = Control("LabelDefaultHint");
    if (!hint->isVisible()) return false;
    for (int i = 1; i <= 10; ++i) {
      const QByteArray name = QStringLiteral("Label%1").arg(i).toLatin1();
      auto* label = Control<QLabel>(name.constData());
      if (!label->text().isEmpty() && label->geometry().intersects(hint->geometry())) return true;
    }
    return false;
  }
};

TEST_F(RealDataWindow, SentenceHintNeverCoversACandidate) {
  // The first piece, ta, fills a whole page.
  QTest::keyClicks(Memo1(), "taqubeijingle");
  ASSERT_FALSE(Text("LabelDefault").isEmpty());
  ASSERT_TRUE(Shown("LabelDefaultHint"));
  EXPECT_FALSE(HintCoversACandidate());
  QTest::keyClick(Memo1(), Qt::Key_Left);
  ASSERT_FALSE(Text("Label10").isEmpty());  // a full page for the first piece
  EXPECT_FALSE(HintCoversACandidate());
  QTest::keyClick(Memo1(), Qt::Key_1);  // the rest becomes the sentence again
  EXPECT_TRUE(Shown("LabelDefaultHint"));
  EXPECT_FALSE(HintCoversACandidate());

  auto* hint = Control<QLabel>("LabelDefaultHint");
  const QStringList lines = hint->text().split(QLatin1Char('\n'));
  EXPECT_EQ(lines,
            QStringList({QStringLiteral("空格键,输出全句"), QStringLiteral("←键,字词修改")}));
  for (const QString& line : lines)
    EXPECT_LE(QFontMetrics(hint->font()).horizontalAdvance(line), hint->width())
        << line.toStdString();
}

// The dictionary panel explains the candidates shown; the default sentence that follows the
// choice of a corrected piece has none, so the chosen character's explanation goes.
TEST_F(RealDataWindow, NoExplanationBesideADefaultSentence) {
  QTest::keyClicks(Memo1(), "woxiangqubeijing");
  ASSERT_FALSE(Text("LabelDefault").isEmpty());
  QTest::keyClick(Memo1(), Qt::Key_Left);
  Click("SpeedButtonPYZD");
  ASSERT_TRUE(Shown("PanelZD"));  // the piece's candidates with their explanations
  QTest::keyClick(Memo1(), Qt::Key_1);
  ASSERT_FALSE(Text("LabelDefault").isEmpty());  // the rest, as a sentence
  EXPECT_FALSE(Shown("PanelZD"));
}

// Follow-on words after a keypad choice have no strokes behind them: no previews of the
// chosen strokes beside them, on any of their pages.
TEST_F(RealDataWindow, KeypadFollowOnWordsShowNoStrokePreviews) {
  Click("SpeedButtonKX");
  auto previews = [this] {
    QString all;
    for (int stroke = 1; stroke <= 6; ++stroke)
      for (int k = 1; k <= 4; ++k)
        all += Text(QStringLiteral("Label_KX%1_%2").arg(stroke).arg(k).toLatin1().constData());
    return all;
  };
  for (Qt::Key key : {Qt::Key_2, Qt::Key_5, Qt::Key_1})
    QTest::keyClick(Memo1(), key, Qt::KeypadModifier);
  ASSERT_FALSE(previews().isEmpty());
  QTest::keyClick(Memo1(), Qt::Key_0, Qt::KeypadModifier);
  ASSERT_TRUE(Shown("PanelKX"));
  ASSERT_EQ(Text("Label_KX0").size(), 2);  // a follow-on word
  EXPECT_EQ(Text("Label11"), QString());
  EXPECT_EQ(previews(), QString());
  QTest::keyClick(Memo1(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(previews(), QString());
}

class MissingDictionary : public WindowTest {
 protected:
  void SetUp() override { Open(nullptr); }
};

TEST_F(MissingDictionary, TheNoticeComesOverTheShownWindow) {
  ASSERT_TRUE(QTest::qWaitFor([this] { return !notices_.empty(); }, 5000));
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_TRUE(notices_[0].overShownWindow) << "a box under the window, with no window manager";
  EXPECT_EQ(notices_[0].caption, QStringLiteral("提示框"));
  EXPECT_TRUE(notices_[0].text.contains(QStringLiteral("srf_pub.zc")))
      << notices_[0].text.toStdString();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(Text("Label14"), QStringLiteral("澜音"));
  QTest::keyClicks(Memo1(), "zhong");  // typing into empty tables finds nothing, and holds
  QTest::keyClick(Memo1(), Qt::Key_Return);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("zhong "));
}

}  // namespace
}  // namespace dazi::testing
