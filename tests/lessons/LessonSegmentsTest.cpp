// Long lessons in segments: where they are cut, what each holds, and the lesson after a lesson.
#include <gmock/gmock.h>

#include "ui/lessons/LessonSegments.h"

namespace dazi::lessons {
namespace {

// n characters of a line, cycling through a few so lines differ.
std::string Chars(int n) {
  static const char* const kCycle[] = {"天", "地", "人", "你", "我", "他"};
  std::string line;
  for (int i = 0; i < n; ++i) line += kCycle[i % 6];
  return line;
}

Lesson LessonOf(std::vector<std::string> lines) {
  return Lesson{"t", "标题", "组", LessonMethod::Any, std::move(lines)};
}

std::vector<int> SegmentLengths(const std::vector<Lesson>& segments) {
  std::vector<int> lengths;
  for (const Lesson& segment : segments) {
    int n = 0;
    for (const std::string& line : segment.lines) n += TypedCharacters(line);
    lengths.push_back(n);
  }
  return lengths;
}

struct SegmentCase {
  const char* what;
  std::vector<int> lineLengths;
  int perSegment;
  std::vector<int> expected;  // characters of each segment
};

TEST(LessonSegments, CutsAtTheLineEndNearestEachShare) {
  const SegmentCase cases[] = {
      {"shorter than a segment and a half: whole", {6, 8}, 10, {14}},
      {"two shares, cut between lines", {6, 6, 6, 6}, 10, {12, 12}},
      {"the nearest line end, not the first past the share", {10, 6, 8}, 10, {10, 14}},
      {"a line longer than a segment is cut so the share can fall in it", {5, 12, 3}, 10, {11, 9}},
      {"a line longer than a segment is cut inside", {25}, 10, {8, 8, 9}},
      {"a long line among short ones", {3, 22, 3}, 10, {10, 7, 11}},
      {"as many segments as the lines allow", {30}, 10, {10, 10, 10}},
  };
  for (const SegmentCase& c : cases) {
    std::vector<std::string> lines;
    std::string whole;
    for (const int n : c.lineLengths) {
      lines.push_back(Chars(n));
      whole += lines.back();
    }
    const std::vector<Lesson> segments = SplitIntoSegments(LessonOf(lines), c.perSegment);
    EXPECT_EQ(SegmentLengths(segments), c.expected) << c.what;
    std::string joined;
    for (const Lesson& segment : segments)
      for (const std::string& line : segment.lines) joined += line;
    EXPECT_EQ(joined, whole) << c.what << ": every character once, in order";
  }
}

TEST(LessonSegments, SegmentsKeepTheLessonAndSayWhichPartTheyAre) {
  const std::vector<Lesson> whole = SplitIntoSegments(LessonOf({Chars(60)}), 100);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].title, "标题");  // a short lesson is left as it is

  Lesson lesson = LessonOf({Chars(80), "天 地　人", Chars(80)});
  lesson.method = LessonMethod::Keypad;
  const std::vector<Lesson> segments = SplitIntoSegments(lesson, 80);
  ASSERT_EQ(segments.size(), 2u);  // 163 characters: blanks are not typed
  for (const Lesson& segment : segments) {
    EXPECT_EQ(segment.id, "t");
    EXPECT_EQ(segment.group, "组");
    EXPECT_EQ(segment.method, LessonMethod::Keypad);
  }
  EXPECT_EQ(segments[0].title, "标题（第1段，共2段）");
  EXPECT_EQ(segments[1].title, "标题（第2段，共2段）");
  EXPECT_EQ(segments[1].lines.back(), Chars(80));
}

TEST(LessonSegments, AdvancesToTheLastSegmentAndStays) {
  SegmentedLesson plan(LessonOf({Chars(100), Chars(100), Chars(100)}));
  ASSERT_EQ(plan.Count(), 3);
  EXPECT_EQ(plan.Current().lines, std::vector<std::string>{Chars(100)});
  EXPECT_TRUE(plan.Advance());
  EXPECT_TRUE(plan.Advance());
  EXPECT_EQ(plan.Index(), 2);
  EXPECT_FALSE(plan.HasNext());
  EXPECT_FALSE(plan.Advance());
  EXPECT_EQ(plan.Index(), 2);
  EXPECT_EQ(plan.Whole().lines.size(), 3u);
}

TEST(LessonSegments, NextLessonFollowsTheCatalogueAndSkipsEntriesWithoutText) {
  Lesson a = LessonOf({"天"}), b = LessonOf({"地"}), weak = LessonOf({});
  a.id = "article-01";
  b.id = "article-02";
  weak.id = "weak";
  const std::vector<Lesson> lessons{a, b, weak};
  EXPECT_EQ(NextLessonId(lessons, "article-01"), "article-02");
  EXPECT_EQ(NextLessonId(lessons, "article-02"), "");  // only the weak-points entry follows
  EXPECT_EQ(NextLessonId(lessons, "weak"), "");
  EXPECT_EQ(NextLessonId(lessons, "mine.txt"), "");  // a text file of one's own
}

}  // namespace
}  // namespace dazi::lessons
