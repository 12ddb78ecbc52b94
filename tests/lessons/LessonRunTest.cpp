// Scoring a lesson run from the practice text it watches, with a clock the test moves.
#include <gtest/gtest.h>

#include "engine/core/Gbk.h"
#include "ui/lessons/LessonRun.h"

namespace dazi::lessons {
namespace {

class LessonRunTest : public ::testing::Test {
 protected:
  LessonRun Make(std::vector<std::string> lines) {
    Lesson lesson;
    lesson.id = "t";
    lesson.title = "t";
    lesson.lines = std::move(lines);
    return LessonRun(std::move(lesson), [this] { return now_; });
  }
  // Presses keys and then shows the practice text (UTF-8).
  void Type(LessonRun& run, int keys, const std::string& text, int virtualKey = 65) {
    for (int i = 0; i < keys; ++i) run.CountKey(virtualKey);
    run.Observe(GbkFromUtf8(text));
  }
  double now_ = 100;
};

TEST_F(LessonRunTest, WrittenTextIsScoredPlaceByPlaceAcrossLineBreaksAndBlanks) {
  LessonRun run = Make({"中国 人", "民"});
  Type(run, 7, "中国");  // a word by a choice: its keys are shared
  Type(run, 3, "中国\r\n仁");
  const LessonFigures f = run.Figures();
  EXPECT_EQ(f.length, 4);
  EXPECT_EQ(f.position, 3);
  EXPECT_EQ(f.right, 2);
  EXPECT_EQ(f.wrong, 1);
  EXPECT_EQ(f.keys, 10);
  EXPECT_DOUBLE_EQ(f.accuracy, 66.7);
  EXPECT_EQ(run.Result(2), CharResult::Wrong);
  EXPECT_EQ(run.CurrentLine(), 1);
  const std::vector<CharTally> tallies = run.Tallies();
  ASSERT_EQ(tallies.size(), 3u);
  EXPECT_EQ(tallies[0].keys + tallies[1].keys, 7);
  EXPECT_EQ(tallies[2].character, "人");
  EXPECT_EQ(tallies[2].wrong, 1);
  EXPECT_EQ(tallies[2].keys, 3);
}

TEST_F(LessonRunTest, BackspaceUnwritesAndACorrectedMistakeStillCounts) {
  LessonRun run = Make({"中国人"});
  Type(run, 2, "中国");
  Type(run, 1, "中", kVirtualKeyBack);
  EXPECT_EQ(run.Figures().position, 1);
  EXPECT_EQ(run.Result(1), CharResult::Pending);
  Type(run, 2, "中果");
  Type(run, 1, "中", kVirtualKeyBack);
  Type(run, 2, "中国");
  const LessonFigures f = run.Figures();
  EXPECT_EQ(run.Result(1), CharResult::Corrected);
  EXPECT_EQ(f.right, 2);
  EXPECT_EQ(f.wrong, 1);
  EXPECT_EQ(f.backspaces, 2);
  EXPECT_EQ(f.keys, 8);
  EXPECT_FALSE(f.done);
}

TEST_F(LessonRunTest, TimeRunsFromTheFirstKeyAndStopsWhenTheTextIsDone) {
  LessonRun run = Make({"一二三"});
  now_ = 200;
  EXPECT_EQ(run.Figures().seconds, 0);
  Type(run, 1, "");
  now_ = 215;
  Type(run, 1, "一二");
  EXPECT_DOUBLE_EQ(run.Figures().cpm, 8);  // 2 right in a quarter of a minute
  now_ = 230;
  Type(run, 1, "一二三");
  now_ = 999;
  const LessonFigures f = run.Figures();
  EXPECT_TRUE(f.done);
  EXPECT_DOUBLE_EQ(f.seconds, 30);
  EXPECT_DOUBLE_EQ(f.cpm, 6);
  EXPECT_DOUBLE_EQ(f.keysPerCharacter, 1);
  Type(run, 1, "");  // over: nothing changes
  EXPECT_EQ(run.Figures().keys, 3);
  ASSERT_EQ(run.SpeedCurve().size(), 2u);
  EXPECT_EQ(run.SpeedCurve().back().position, 3);
}

}  // namespace
}  // namespace dazi::lessons
