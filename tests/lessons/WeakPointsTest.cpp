// The weak-points lesson: drawn from planted histories, and from runs stored in a real
// history database.
#include <gmock/gmock.h>

#include "engine/core/Gbk.h"
#include "tests/support/TempDataFolder.h"
#include "ui/lessons/LessonHistory.h"
#include "ui/lessons/WeakPoints.h"

namespace dazi::lessons {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

CharTally Tally(const std::string& ch, int seen, int wrong) {
  return {ch, seen, wrong, 2 * seen, 0, {}};
}

TEST(WeakPoints, WrongCharactersFirstThenThoseBehindTheirOwnBest) {
  WeakPointsHistory history;
  history.stats = {Tally("好", 10, 0), Tally("慢", 10, 0), Tally("错", 10, 5),
                   Tally("半", 4, 1),  Tally("快", 4, 0),  Tally("长", 5, 0)};
  history.pace = {
      {"好", 0.5, 0.6},  // a little behind its best: not slow
      {"慢", 0.5, 1.5},  // three times its best
      {"快", 0.2, 0.4},  // twice its best but only 0.2 s behind
      {"长", 1.0, 2.0},  // twice its best: a long spelling is no weakness, a lost pace is
  };
  EXPECT_THAT(WeakCharacters(history), ElementsAre("错", "半", "慢", "长"));
}

// Each row: a history that must give no weak character at all.
TEST(WeakPoints, NeverWeakFewSightingsPunctuationOrAFlawlessHistory) {
  const std::vector<std::pair<const char*, WeakPointsHistory>> cases = {
      {"empty", {}},
      {"flawless, at its best pace", {{Tally("中", 5, 0)}, {{"中", 0.8, 0.8}}, {}}},
      {"missed twice in two sightings", {{Tally("中", 2, 2)}, {{"中", 0.5, 3.0}}, {}}},
      {"punctuation", {{Tally("，", 9, 9), Tally("。", 9, 9), Tally("a", 9, 9)}, {}, {}}},
  };
  for (const auto& [name, history] : cases) {
    EXPECT_THAT(WeakCharacters(history), IsEmpty()) << name;
    EXPECT_FALSE(MakeWeakPointsLesson(history, {"中国"})) << name;
  }
}

TEST(WeakPoints, ConfusedCharactersAreDrilledInsideWordsSideBySide) {
  WeakPointsHistory history;
  history.stats = {Tally("在", 6, 2), Tally("错", 3, 1)};
  history.confusions = {{"在", "再", 2}, {"在", "，", 5}, {"错", "措", 1}};
  const std::optional<Lesson> lesson = MakeWeakPointsLesson(
      history, {"现在", "再见", "在家", "再次", "正在", "错误", "不错", "没错", "中国"});
  ASSERT_TRUE(lesson);
  EXPECT_EQ(lesson->id, kWeakPointsId);
  EXPECT_EQ(lesson->title, "弱项练习");
  // 在 before 错 (a third wrong against a third, first seen first); 措 has no word: it
  // stands alone beside 错's words; the words of the pairs are not repeated after them.
  EXPECT_THAT(lesson->lines,
              ElementsAre("在错", "现在 再见 在家 再次", "错误 不错 措", "正在 没错"));
}

// A run scored in a real history: what was written instead and the pace come back, and the
// next weak-points lesson starts with the character missed.
TEST(WeakPoints, RunsStoredInTheHistoryFeedTheLesson) {
  testing::TempDataFolder folder;
  double now = 10;
  auto runOnce = [&](const std::string& typed, double secondsPerCharacter) {
    Lesson lesson;
    lesson.id = "t";
    lesson.title = "t";
    lesson.lines = {"我在家，我在学校，我在这里"};
    LessonRun run(lesson, [&] { return now; });
    run.CountKey(65);
    std::string written;
    for (std::size_t at = 0; at < typed.size();) {
      const std::size_t length = static_cast<unsigned char>(typed[at]) >= 0xE0 ? 3 : 1;
      written += typed.substr(at, length);
      at += length;
      now += secondsPerCharacter;
      run.CountKey(65);
      run.Observe(GbkFromUtf8(written));
    }
    return run.Tallies();
  };
  LessonHistory history(kHistoryFile);
  ASSERT_TRUE(history.Open(nullptr));
  SessionRow row;
  row.lesson = "t";
  row.method = "pinyin";
  ASSERT_TRUE(history.Store(row, runOnce("我在家，我在学校，我在这里", 1.0), nullptr));
  WeakPointsHistory flawless{history.CharStats(), history.Pace(), history.Confusions()};
  EXPECT_FALSE(MakeWeakPointsLesson(flawless, {}));

  ASSERT_TRUE(history.Store(row, runOnce("我再家，我在学校，我在这里", 3.0), nullptr));
  EXPECT_THAT(history.Confusions(),
              ElementsAre(::testing::AllOf(::testing::Field(&Confusion::expected, "在"),
                                           ::testing::Field(&Confusion::written, "再"),
                                           ::testing::Field(&Confusion::count, 1))));
  for (const CharPace& pace : history.Pace()) {
    EXPECT_DOUBLE_EQ(pace.best, 1.0) << pace.character;
    EXPECT_DOUBLE_EQ(pace.recent, 2.0) << pace.character;  // (1 + 3) / 2
  }
  const std::optional<Lesson> lesson = MakeWeakPointsLesson(
      {history.CharStats(), history.Pace(), history.Confusions()}, {"现在", "再见"});
  ASSERT_TRUE(lesson);
  ASSERT_FALSE(lesson->lines.empty());
  EXPECT_EQ(lesson->lines[0].substr(0, 3), "在");
  EXPECT_EQ(lesson->lines[0].find("，"), std::string::npos);
  EXPECT_THAT(lesson->lines, ::testing::Contains("现在 再见"));
}

}  // namespace
}  // namespace dazi::lessons
