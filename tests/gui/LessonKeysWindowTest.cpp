// Keys in a window lesson count as in the console: each key when it is pressed (the one that
// writes the last character too), Shift never, and not the release of the Enter that started
// the lesson from a dialog. The same keys give the same figures in both.
#include <QApplication>
#include <QTest>
#include <nlohmann/json.hpp>

#include <QPushButton>
#include "tests/gui/WindowFixture.h"
#include "tools/console/ConsoleSession.h"

#include "ui/qt/LessonChooser.h"
#include "ui/qt/LessonResults.h"
#include "ui/qt/LessonView.h"

namespace dazi::testing {
namespace {

class LessonKeysWindow : public WindowTest {
 protected:
  void Type(const char* keys) { QTest::keyClicks(Memo1(), QString::fromLatin1(keys)); }
  // The double quote as typed: with Shift held.
  void TypeQuote() {
    QTest::keyPress(Memo1(), Qt::Key_Shift);
    QTest::keyClick(Memo1(), Qt::Key_QuoteDbl, Qt::ShiftModifier);
    QTest::keyRelease(Memo1(), Qt::Key_Shift);
  }
};

TEST_F(LessonKeysWindow, FinishedLessonCountsTheKeysAsTheConsoleDoes) {
  folder_.WriteBytes("t.txt", "中国，“你好”。\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  // The Enter that closed the chooser lets go in the practice area: no key, no time.
  QTest::keyRelease(Memo1(), Qt::Key_Return);
  EXPECT_EQ(window_->Lessons()->Run()->Figures().keys, 0);
  Type("zhongguo1,");
  TypeQuote();
  Type("nihao1");
  TypeQuote();
  Type(".");
  ASSERT_EQ(window_->Lessons()->Run(), nullptr);  // done: the last key ended it
  const lessons::LessonRun* run = window_->Lessons()->LastRun();
  const lessons::LessonFigures inWindow = run->Figures();
  const std::vector<lessons::CharTally> windowTallies = run->Tallies();
  EXPECT_EQ(inWindow.keys, 19);
  EXPECT_EQ(inWindow.wrong, 0);
  EXPECT_TRUE(inWindow.done);
  if (auto* results = window_->findChild<LessonResults*>()) delete results;

  console::ConsoleSession console;
  console.HandleLine(":lesson t.txt");
  const nlohmann::json report =
      nlohmann::json::parse(console.HandleLine("zhongguo1,\"nihao1\"."))["lesson"];
  EXPECT_EQ(report["keys"], inWindow.keys);
  EXPECT_EQ(report["right"], inWindow.right);
  EXPECT_EQ(report["wrong"], inWindow.wrong);
  EXPECT_EQ(report["position"], inWindow.position);
  const std::vector<lessons::CharTally> consoleTallies = console.Lessons().Run()->Tallies();
  ASSERT_EQ(consoleTallies.size(), windowTallies.size());
  for (std::size_t i = 0; i < windowTallies.size(); ++i) {
    SCOPED_TRACE(windowTallies[i].character);
    EXPECT_EQ(consoleTallies[i].keys, windowTallies[i].keys);
  }
  // The choosing key belongs to the word it chose, not to the next character.
  EXPECT_EQ(windowTallies[0].keys + windowTallies[1].keys, 9);
}

TEST_F(LessonKeysWindow, FiguresStripNamesTheFiguresAndSaysWhenPaused) {
  folder_.WriteBytes("t.txt", "中国你好\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1");
  QTest::keyClick(Memo1(), Qt::Key_Backspace);
  auto* view = Control<LessonView>("LessonView");
  for (const char* name : {"码长 ", "击键 ", "回改 0", "退格 1"})
    EXPECT_TRUE(view->FiguresText().contains(QString::fromUtf8(name))) << name;
  EXPECT_FALSE(view->FiguresText().contains(QStringLiteral("已暂停")));
  QTest::keyClick(Memo1(), Qt::Key_Escape);  // nothing pending: a pause
  EXPECT_TRUE(view->FiguresText().contains(QStringLiteral("已暂停")));
  Type("guo1");
  EXPECT_FALSE(view->FiguresText().contains(QStringLiteral("已暂停")));
  EXPECT_TRUE(view->FiguresText().contains(QStringLiteral("回改 1")));
}

TEST_F(LessonKeysWindow, ChooserStartsATimedTest) {
  Click("SpeedButtonLesson");
  QApplication::processEvents();
  auto* chooser = window_->findChild<LessonChooser*>();
  ASSERT_NE(chooser, nullptr);
  const QList<QTreeWidgetItem*> found =
      chooser->Tree()->findItems(QStringLiteral("早上好（初级）"), Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  chooser->Tree()->setCurrentItem(found[0]);
  chooser->TimeLimit()->setCurrentIndex(2);
  QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("LessonStart")),
                    Qt::LeftButton);
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(window_->Lessons()->Run()->Figures().limitSeconds, 180);
  EXPECT_TRUE(Control<LessonView>("LessonView")->FiguresText().contains(QStringLiteral("/03:00")));
}

TEST_F(LessonKeysWindow, ExportWritesBothTablesBesideTheChosenFile) {
  folder_.WriteBytes("t.txt", "中国\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1");
  if (auto* results = window_->findChild<LessonResults*>()) delete results;
  const QString path = QString::fromStdString((folder_.Path() / "out.csv").string());
  ASSERT_TRUE(window_->ExportHistory(path));
  EXPECT_EQ(folder_.ReadBytes("out.csv").substr(0, 14), "id,lesson,meth");
  EXPECT_NE(folder_.ReadBytes("out.csv").find(",t.txt,pinyin,"), std::string::npos);
  EXPECT_EQ(folder_.ReadBytes("out-char_stats.csv"),
            "character,seen,wrong,keys\r\n中,1,0,5\r\n国,1,0,4\r\n");
}

}  // namespace
}  // namespace dazi::testing
