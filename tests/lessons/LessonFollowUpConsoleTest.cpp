// What follows a lesson in the console, as the window's buttons offer it: the lessons with
// their lengths, a long lesson's segments, starting again, the next segment, the next lesson.
#include <gmock/gmock.h>

#include "tests/lessons/ConsoleLessonTest.h"

namespace dazi::testing {
namespace {

using LessonFollowUp = ConsoleLessonTest;

TEST_F(LessonFollowUp, LessonsListTheirLengthAndSegments) {
  const Json list = Send(":lessons");
  bool seen = false;
  for (const Json& lesson : list["lessons"])
    if (lesson["id"] == "article-01") {
      seen = true;
      EXPECT_EQ(lesson["length"], 163);
      EXPECT_EQ(lesson["segments"], 2);
    }
  EXPECT_TRUE(seen);
}

TEST_F(LessonFollowUp, LongLessonRunsSegmentBySegment) {
  EXPECT_TRUE(Send(":lesson again").contains("error"));  // nothing started yet
  const Json first = Send(":lesson article-01");
  EXPECT_EQ(first["lesson"]["segment"], 1);
  EXPECT_EQ(first["lesson"]["segments"], 2);
  EXPECT_EQ(first["lesson"]["title"], "早上好（初级）（第1段，共2段）");
  const int firstLength = first["lesson"]["length"];
  EXPECT_GT(firstLength, 60);
  EXPECT_LT(firstLength, 103);

  Send("mei");
  const Json second = Send(":lesson next-segment");
  EXPECT_EQ(second["lesson"]["segment"], 2);
  EXPECT_EQ(int(second["lesson"]["length"]) + firstLength, 163);
  EXPECT_EQ(second["output"], "");                              // the practice text starts empty
  EXPECT_TRUE(Send(":lesson next-segment").contains("error"));  // the last one

  Send("{Space}");
  const Json again = Send(":lesson again");
  EXPECT_EQ(again["lesson"]["segment"], 2);  // the same segment from its start
  EXPECT_EQ(again["lesson"]["position"], 0);
  EXPECT_EQ(again["lesson"]["keys"], 0);
  EXPECT_EQ(again["lesson"]["line"], second["lesson"]["line"]);
}

TEST_F(LessonFollowUp, NextLessonIsTheCataloguesNext) {
  Send(":lesson article-01");
  Send(":lesson end");
  const Json next = Send(":lesson next");  // also after the lesson ended
  EXPECT_EQ(next["lesson"]["id"], "article-02");
  EXPECT_EQ(next["lesson"]["segment"], 1);

  folder_.WriteBytes("mine.txt", "天地人\n");
  Send(":lesson mine.txt");
  EXPECT_TRUE(Send(":lesson next").contains("error"));  // a text of one's own has no next
  const Json again = Send(":lesson again");
  EXPECT_EQ(again["lesson"]["id"], "mine.txt");
}

TEST_F(LessonFollowUp, UnknownLessonIsToldInChinese) {
  EXPECT_EQ(Send(":lesson nosuch")["error"], "没有这一课：nosuch");
}

}  // namespace
}  // namespace dazi::testing
