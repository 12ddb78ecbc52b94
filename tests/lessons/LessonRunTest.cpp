// Scoring a lesson run from the practice text it watches, with a clock the test moves.
#include <gtest/gtest.h>

#include <functional>

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
  now_ = 207.5;
  Type(run, 1, "一二");
  EXPECT_DOUBLE_EQ(run.Figures().cpm, 16);  // 2 right in an eighth of a minute
  now_ = 215;
  Type(run, 1, "一二三");
  now_ = 999;
  const LessonFigures f = run.Figures();
  EXPECT_TRUE(f.done);
  EXPECT_DOUBLE_EQ(f.seconds, 15);
  EXPECT_DOUBLE_EQ(f.cpm, 12);
  EXPECT_DOUBLE_EQ(f.keysPerCharacter, 1);
  EXPECT_DOUBLE_EQ(f.keysPerSecond, 0.2);
  Type(run, 1, "");  // over: nothing changes
  EXPECT_EQ(run.Figures().keys, 3);
  ASSERT_EQ(run.SpeedCurve().size(), 2u);
  EXPECT_EQ(run.SpeedCurve().back().position, 3);
}

// Reading after the last character, Escape, or a long wait do not count as typing time.
TEST_F(LessonRunTest, ClockLeavesOutTheEndPausesAndIdleTime) {
  struct Case {
    const char* name;
    std::function<void(LessonRun&)> between;  // after 一 written at 103
    double seconds;                           // when 二 is written 40 s later (143)
    bool pausedBefore;
  };
  const Case cases[] = {
      {"typing on", [](LessonRun&) {}, 10 + 3, true},  // idle: 10 s after the last key count
      {"Escape", [](LessonRun& r) { r.Pause(); }, 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    now_ = 100;
    LessonRun run = Make({"一二三"});
    Type(run, 1, "");
    now_ = 103;
    Type(run, 1, "一");
    c.between(run);
    now_ = 142;
    EXPECT_EQ(run.Figures().paused, c.pausedBefore);
    run.CountKey(65);
    EXPECT_FALSE(run.Figures().paused);
    now_ = 143;
    Type(run, 0, "一二");
    EXPECT_DOUBLE_EQ(run.Figures().seconds, c.seconds + 1);
    now_ = 150;  // five seconds of reading, then ended
    run.Stop();
    EXPECT_DOUBLE_EQ(run.Figures().seconds, c.seconds + 1);
    EXPECT_FALSE(run.Figures().done);
  }
}

TEST_F(LessonRunTest, AsciiMarksScoreAsTheFullWidthMarksTheyStandFor) {
  LessonRun run = Make({"好，“是”。"});
  Type(run, 1, "好");
  Type(run, 1, "好, ");
  Type(run, 1, "好, \" ");
  Type(run, 1, "好, \" 是");
  Type(run, 1, "好, \" 是\" ");
  EXPECT_EQ(run.Figures().wrong, 0);
  Type(run, 1, "好, \" 是\" ; ");  // ; is not 。
  EXPECT_EQ(run.Figures().wrong, 1);
  EXPECT_EQ(run.WrittenChar(1), ",");
}

TEST_F(LessonRunTest, RewrittenCharactersAreCorrections) {
  LessonRun run = Make({"中国人"});
  Type(run, 2, "中果");
  Type(run, 1, "中", kVirtualKeyBack);
  Type(run, 1, "中国");
  Type(run, 1, "中", kVirtualKeyBack);
  Type(run, 1, "中国");
  EXPECT_EQ(run.Figures().corrected, 2);
  EXPECT_EQ(run.Figures().backspaces, 2);
}

TEST_F(LessonRunTest, TimedTestEndsWhenItsTimeIsUp) {
  Lesson lesson;
  lesson.lines = {"一二三四五六七八九十"};
  LessonRun run(
      lesson, [this] { return now_; }, 60);
  now_ = 0;
  Type(run, 1, "一");
  for (int s = 1; s <= 9; ++s) {
    now_ = s * 6.5;  // a key every 6.5 s: never idle
    Type(run, 1, "一二");
  }
  EXPECT_FALSE(run.CheckTime());
  now_ = 61;
  EXPECT_TRUE(run.CheckTime());
  const LessonFigures f = run.Figures();
  EXPECT_TRUE(f.done);
  EXPECT_DOUBLE_EQ(f.seconds, 60);
  EXPECT_DOUBLE_EQ(f.cpm, 2);
  Type(run, 1, "一二三");  // after the time: not counted
  EXPECT_EQ(run.Figures().position, 2);
}

}  // namespace
}  // namespace dazi::lessons
