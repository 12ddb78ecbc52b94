// Lessons in the window: the chooser with each lesson's history, the lesson view with the
// user's line under the target in green and red, and the results with their charts.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

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

// A lesson text of count lines, each the characters of the fixture dictionary.
std::string LinesOf(int count, const char* line = "中国你好人") {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(line) + "\n";
  return text;
}

class LessonWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window_->SetConfirm([this](QWidget*, const QString& caption, const QString& text) {
      questions_.push_back(caption + QStringLiteral(":") + text);
      return answer_;
    });
  }
  void Type(const char* keys) { QTest::keyClicks(Memo1(), QString::fromLatin1(keys)); }
  int Position() const { return window_->Lessons()->Run()->Figures().position; }
  // A control's rectangle in the window's coordinates.
  QRect InWindow(const QWidget* control) const {
    return QRect(control->mapTo(window_.get(), QPoint(0, 0)), control->size());
  }
  LessonView* View() const { return Control<LessonView>("LessonView"); }
  template <typename T>
  T* Dialog() const {
    QApplication::processEvents();
    return window_->findChild<T*>();
  }

  std::vector<QString> questions_;
  bool answer_ = false;
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
      chooser->Tree()->findItems(QStringLiteral("早上好（初级）"), Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found[0]->parent()->text(0), QStringLiteral("文章"));
  EXPECT_EQ(found[0]->text(1), QStringLiteral("163 字，分 2 段"));
  EXPECT_EQ(found[0]->text(3), QStringLiteral("42.5 字/分"));  // the best
  EXPECT_EQ(found[0]->text(4), QStringLiteral("97.0%"));       // the last
  EXPECT_EQ(chooser->Tree()->findItems(QStringLiteral("弱项练习"), Qt::MatchRecursive).size(), 2);
  chooser->Tree()->setCurrentItem(found[0]);
  QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("LessonStart")),
                    Qt::LeftButton);
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(window_->Lessons()->Run()->Source().id, "article-01");
  EXPECT_TRUE(View()->isVisible());
  EXPECT_TRUE(View()->FiguresText().contains(QStringLiteral("进度 0/")));  // its first segment
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
  // The value axes tick at round numbers from 0: steps of 1, 2 or 5 times a power of ten.
  for (QChartView* chart : {results->SpeedChart(), results->ProgressChart()})
    for (QAbstractAxis* axis : chart->chart()->axes()) {
      auto* values = qobject_cast<QValueAxis*>(axis);
      if (values == nullptr || values->tickType() != QValueAxis::TicksFixed) continue;
      const double step = (values->max() - values->min()) / (values->tickCount() - 1);
      const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
      EXPECT_EQ(values->min(), 0) << values->titleText().toStdString();
      EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                  std::abs(mantissa - 5) < 1e-9)
          << values->titleText().toStdString() << " steps by " << step;
    }
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

// The card opens beside the rows, never over the strip, its buttons or the rows in sight; the
// dictionary panel beside it stays clear of the lesson too.
TEST_F(LessonWindow, CandidateCardLeavesTheStripAndTheRowsInSight) {
  folder_.WriteBytes("t.txt", LinesOf(4));
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1nip1haoz1renp1");  // the first row written
  const QRect view = InWindow(View());
  const QRect strip = View()->StripRect().translated(view.topLeft());
  const QRect rows = View()->RowsRect().translated(view.topLeft());
  auto expectClear = [&](const char* panel) {
    const QRect card = InWindow(Control(panel));
    EXPECT_TRUE(window_->rect().contains(card)) << panel;
    EXPECT_FALSE(card.intersects(strip)) << panel;
    EXPECT_FALSE(card.intersects(rows)) << panel;
    EXPECT_FALSE(card.intersects(InWindow(Control("LessonEnd")))) << panel;
  };
  Type("zhong");
  ASSERT_TRUE(Shown("PanelPY"));
  expectClear("Panel2");
  expectClear("PanelPY");
  Click("SpeedButtonPYZD");
  ASSERT_TRUE(Shown("PanelZD"));
  const QRect dictionary = InWindow(Control("PanelZD"));
  EXPECT_TRUE(window_->rect().contains(dictionary));
  EXPECT_FALSE(dictionary.intersects(view));
  EXPECT_FALSE(dictionary.intersects(InWindow(Control("PanelPY"))));
  QWidget* atCentre = window_->childAt(dictionary.center());
  EXPECT_TRUE(atCentre == Control("PanelZD") || Control("PanelZD")->isAncestorOf(atCentre));
  QTest::keyClick(Memo1(), Qt::Key_Escape);

  Click("SpeedButtonKX");
  QTest::keyClick(Memo1(), Qt::Key_2, Qt::KeypadModifier);
  ASSERT_TRUE(Shown("PanelKX"));
  expectClear("PanelKX");
}

TEST_F(LessonWindow, LastFinishedRowStaysInSightWithItsRedCharacters) {
  folder_.WriteBytes("t.txt", "中国你好\n人中国\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1guos1haoz1");  // 国 where 你 belongs: the first row ends with a mistake
  Type("renp1");                // on the second row
  ASSERT_EQ(Position(), 5);
  const std::vector<LessonView::DrawnRow> rows = View()->DrawnRows();
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0].row, 0);
  EXPECT_FALSE(rows[0].current);
  EXPECT_EQ(rows[1].row, 1);
  EXPECT_TRUE(rows[1].current);
  EXPECT_GT(PixelsOf(View(), LessonView::ResultColour(lessons::CharResult::Wrong)), 5);
}

TEST_F(LessonWindow, ClearingInALessonAsksFirstAndThenStartsOver) {
  folder_.WriteBytes("t.txt", LinesOf(2));
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1");
  ASSERT_EQ(Position(), 2);
  Click("SpeedButton2");
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_TRUE(questions_[0].startsWith(QStringLiteral("确认框:"))) << questions_[0].toStdString();
  EXPECT_EQ(Position(), 2);  // declined: nothing lost
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中国"));

  answer_ = true;
  Click("SpeedButton2");
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(window_->Lessons()->Run()->Figures().keys, 0);
  EXPECT_EQ(Memo1Lines().front(), QString());

  Click("LessonEnd");  // free typing clears without asking
  Type("zhongguo1");
  Click("SpeedButton2");
  EXPECT_EQ(questions_.size(), 2u);
  EXPECT_EQ(Memo1Lines().front(), QString());
}

TEST_F(LessonWindow, LongLessonComesInSegmentsWithRetryAndNextSegment) {
  folder_.WriteBytes("t.txt", LinesOf(40));  // 200 characters: two segments of 100
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  EXPECT_EQ(window_->Lessons()->Run()->Figures().length, 100);
  EXPECT_EQ(Text("LessonTitle"), QStringLiteral("t（第1段，共2段）"));
  EXPECT_TRUE(Shown("LessonNextSegment"));

  Type("zhongguo1");
  QTest::keyClick(Memo1(), Qt::Key_F3);  // 重打
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(window_->Lessons()->Run()->Figures().keys, 0);  // F3 is no key of the new run
  EXPECT_EQ(window_->LessonSegments()->Index(), 0);

  Click("LessonNextSegment");
  EXPECT_EQ(window_->LessonSegments()->Index(), 1);
  EXPECT_EQ(Text("LessonTitle"), QStringLiteral("t（第2段，共2段）"));
  EXPECT_FALSE(Shown("LessonNextSegment"));  // the last one
  Type("zhongguo1");
  Click("LessonRetry");
  EXPECT_EQ(window_->LessonSegments()->Index(), 1);
  EXPECT_EQ(Position(), 0);
}

TEST_F(LessonWindow, ResultsOfferTheSameTextAgainTheNextSegmentAndTheNextLesson) {
  ASSERT_TRUE(window_->StartLesson("article-01"));
  Type("zhongguo1");  // whatever is written, the results come
  Click("LessonEnd");
  auto* results = Dialog<LessonResults>();
  ASSERT_NE(results, nullptr);
  EXPECT_NE(results->findChild<QPushButton*>(QStringLiteral("ResultAgain")), nullptr);
  EXPECT_NE(results->findChild<QPushButton*>(QStringLiteral("ResultNextSegment")), nullptr);
  auto* next = results->findChild<QPushButton*>(QStringLiteral("ResultNextLesson"));
  ASSERT_NE(next, nullptr);
  QTest::mouseClick(next, Qt::LeftButton);
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(window_->Lessons()->Run()->Source().id, "article-02");
  EXPECT_EQ(window_->LessonSegments()->Index(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  folder_.WriteBytes("t.txt", LinesOf(1));
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Type("zhongguo1");
  Click("LessonEnd");
  results = Dialog<LessonResults>();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(results->findChild<QPushButton*>(QStringLiteral("ResultNextLesson")), nullptr);
  EXPECT_EQ(results->findChild<QPushButton*>(QStringLiteral("ResultNextSegment")), nullptr);
  QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("ResultAgain")),
                    Qt::LeftButton);
  ASSERT_NE(window_->Lessons()->Run(), nullptr);
  EXPECT_EQ(window_->Lessons()->Run()->Source().id, "t.txt");
  EXPECT_EQ(Position(), 0);
}

TEST_F(LessonWindow, ChooserShowsEveryTitleWhole) {
  Click("SpeedButtonLesson");
  auto* chooser = Dialog<LessonChooser>();
  ASSERT_NE(chooser, nullptr);
  QTreeWidget* tree = chooser->Tree();
  const QFontMetrics metrics(tree->font());
  int lessons = 0;
  for (int g = 0; g < tree->topLevelItemCount(); ++g)
    for (int i = 0; i < tree->topLevelItem(g)->childCount(); ++i) {
      const QString title = tree->topLevelItem(g)->child(i)->text(0);
      EXPECT_GE(tree->columnWidth(0), metrics.horizontalAdvance(title) + 2 * tree->indentation())
          << title.toStdString();
      ++lessons;
    }
  EXPECT_GT(lessons, 30);
  chooser->reject();
}

TEST_F(LessonWindow, UnknownLessonIsToldInChinese) {
  EXPECT_FALSE(window_->StartLesson("nosuch"));
  ASSERT_FALSE(notices_.empty());
  EXPECT_EQ(notices_.back().text, QStringLiteral("没有这一课：nosuch"));
}

}  // namespace
}  // namespace dazi::testing
