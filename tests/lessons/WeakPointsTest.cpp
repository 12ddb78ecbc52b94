// The weak-points lesson drawn from planted character totals.
#include <gmock/gmock.h>

#include "ui/lessons/WeakPoints.h"

namespace dazi::lessons {
namespace {

using ::testing::ElementsAre;

TEST(WeakPoints, WrongCharactersFirstThenSlowOnesAboveTheMean) {
  // Mean keys per time seen: (20 + 40 + 30 + 12 + 8) / (10 + 10 + 10 + 4 + 4) = 110 / 38.
  const std::vector<CharTally> stats = {
      {"好", 10, 0, 20},  // 2 keys a time: below the mean, never wrong
      {"慢", 10, 0, 40},  // 4 keys a time: slow
      {"错", 10, 5, 30},  // wrong half the time
      {"半", 4, 1, 12},   // wrong a quarter of the time
      {"快", 4, 0, 8},    // 2 keys a time
  };
  EXPECT_THAT(WeakCharacters(stats), ElementsAre("错", "半", "慢"));

  const std::optional<Lesson> lesson =
      MakeWeakPointsLesson(stats, {"好人", "错误", "快乐", "慢慢", "不错", "错"});
  ASSERT_TRUE(lesson);
  EXPECT_EQ(lesson->id, kWeakPointsId);
  EXPECT_EQ(lesson->title, "弱项练习");
  EXPECT_THAT(lesson->lines, ElementsAre("错半慢", "错误 不错 慢慢"));
}

TEST(WeakPoints, NoLessonWithoutAWeakCharacter) {
  EXPECT_FALSE(MakeWeakPointsLesson({}, {"中国"}));
  EXPECT_FALSE(MakeWeakPointsLesson({{"中", 3, 0, 6}, {"国", 3, 0, 6}}, {"中国"}));
}

}  // namespace
}  // namespace dazi::lessons
