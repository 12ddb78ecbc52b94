// Lessons in the window: the chooser with each lesson's history, the lesson view with the
// user's line under the target in green and red, and the results with their charts.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QtCharts/QLineSeries>

#include "tests/gui/WindowFixture.h"
#include "ui/lessons/LessonHistory.h"
#include "ui/qt/LessonChooser.h"
#include "ui/qt/LessonResults.h"
#include "ui/qt/LessonView.h"

namespace dazi::testing {
namespace {

// Pixels of view close to colour.
int PixelsOf(QWidget* view, const QColor& colour) {
  const QImage image = view->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          40)
        ++count;
    }
  return count;
}

class LessonWindow : public WindowTest {
 protected:
  void Type(const char* keys) { QTest::keyClicks(Memo1(), QString::fromLatin1(keys)); }
  LessonView* View() const { return Control<LessonView>("LessonView"); }
  template <typename T>
  T* Dialog() const {
    QApplication::processEvents();
    return window_->findChild<T*>();
  }
};

TEST_F(LessonWindow, ChooserListsLessonsWithTheirHistoryAndStartsOne) {
  {
    lessons::LessonHistory history(lessons::kHistoryFile);
    ASSERT_TRUE(history.Open(nullptr));
    lessons::SessionRow row;
    row.lesson = "article-01";
    row.method = "pinyin";
    row.finished = true;
    for (const auto& [cpm, accuracy] : {std::pair{42.5, 90.0}, std::pair{30.0, 97.0}}) {
      row.cpm = cpm;
      row.accuracy = accuracy;
      ASSERT_TRUE(history.Store(row, {}, nullptr));
    }
  }
  Click("SpeedButtonLesson");
  auto* chooser = Dialog<LessonChooser>();
  ASSERT_NE(chooser, nullptr);
  const QList<QTreeWidgetItem*> found =
      chooser->Tree()->findItems(QStringLiteral("早上好"), Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found[0]->parent()->text(0), QStringLiteral("文章"));
  EXPECT_EQ(found[0]->text(2), QStringLiteral("42.5 字/分"));  // the best
  EXPECT_EQ(found[0]->text(3), QStringLiteral("97.0%"));       // the last
  EXPECT_EQ(chooser->Tree()->findItems(QStringLiteral("弱项练习"), Qt::MatchRecursive).size(), 2);
  chooser->Tree()->setCurrentItem(found[0]);
  QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("LessonStart")),
                    Qt::LeftButton);
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(window_->Lessons()->Run()->Source().id, "article-01");
  EXPECT_TRUE(View()->isVisible());
  EXPECT_TRUE(View()->FiguresText().contains(QStringLiteral("进度 0/163")));
  QApplication::processEvents();
  EXPECT_EQ(window_->focusWidget(), Memo1());
}

TEST_F(LessonWindow, LessonViewShowsRightAndWrongAndEndsWithResults) {
  folder_.WriteBytes("t.txt", "中国你好\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  const QColor red = LessonView::ResultColour(lessons::CharResult::Wrong);
  const QColor green = LessonView::ResultColour(lessons::CharResult::Right);
  Type("zhongguo1");
  EXPECT_GT(PixelsOf(View(), green), 5);
  EXPECT_EQ(PixelsOf(View(), red), 0);
  Type("guos1");  // 国 where 你 belongs
  EXPECT_GT(PixelsOf(View(), red), 5);
  EXPECT_TRUE(View()->FiguresText().contains(QStringLiteral("进度 3/4")));
  QTest::keyClick(Memo1(), Qt::Key_Backspace);
  EXPECT_EQ(PixelsOf(View(), red), 0);  // un-written
  EXPECT_TRUE(View()->FiguresText().contains(QStringLiteral("退格 1")));

  Click("LessonEnd");
  EXPECT_FALSE(View()->isVisible());
  EXPECT_EQ(window_->Lessons()->Run(), nullptr);
  auto* results = Dialog<LessonResults>();
  ASSERT_NE(results, nullptr);
  const auto speed = results->SpeedChart()->chart()->series();
  ASSERT_EQ(speed.size(), 1);
  EXPECT_EQ(static_cast<QLineSeries*>(speed[0])->count(), 2);  // after 中国 and after 国
  EXPECT_EQ(results->ProgressChart()->chart()->series().size(), 2);
  ASSERT_EQ(results->Missed()->rowCount(), 1);
  EXPECT_EQ(results->Missed()->item(0, 0)->text(), QStringLiteral("你"));
  EXPECT_EQ(results->Missed()->item(0, 2)->text(), QStringLiteral("3235（撇竖撇折）"));
  EXPECT_NE(results->Missed()->cellWidget(0, 4), nullptr);  // its strokes, numbered
  results->close();

  // Free typing as before.
  Type("ni");
  EXPECT_TRUE(Shown("PanelPY"));
}

TEST_F(LessonWindow, FinishedLessonIsStoredAndChartedWithThePastOnes) {
  folder_.WriteBytes("t.txt", "中国\n");
  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(window_->StartLesson("t.txt"));
    Type("zhongguo1");
    EXPECT_FALSE(View()->isVisible());  // the last character ends the lesson
    auto* results = Dialog<LessonResults>();
    ASSERT_NE(results, nullptr);
    const auto past = results->ProgressChart()->chart()->series();
    ASSERT_EQ(past.size(), 2);
    EXPECT_EQ(static_cast<QLineSeries*>(past[0])->count(), run + 1);
    EXPECT_EQ(results->Missed()->rowCount(), 0);
    delete results;
  }
}

}  // namespace
}  // namespace dazi::testing
