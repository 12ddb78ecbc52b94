// Long lessons in segments of about two minutes, and the lesson after a lesson. A segment is a
// lesson of its own (the same id, group and method, the lines of its part) so that it is
// scored and stored as any lesson is; it is cut at line ends where the lines allow.
#pragma once

#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"

namespace dazi::lessons {

// Two minutes at 50 字/分, a learner's pace in the first weeks: long enough to settle into
// the text, short enough to retype after a bad start.
inline constexpr int kSegmentCharacters = 100;

// The characters a learner types of a line: all but blanks (ASCII and U+3000).
int TypedCharacters(const std::string& utf8Line);

// lesson in round(length / perSegment) segments of near-equal length (one when that is below
// two): each segment starts at the line end nearest its share; a line longer than perSegment
// is first cut into near-equal parts. Segment titles say which part they are.
std::vector<Lesson> SplitIntoSegments(const Lesson& lesson, int perSegment = kSegmentCharacters);

// A lesson being practised segment by segment.
class SegmentedLesson {
 public:
  explicit SegmentedLesson(Lesson whole, int perSegment = kSegmentCharacters);

  const Lesson& Whole() const { return whole_; }
  const Lesson& Current() const { return segments_[index_]; }
  int Index() const { return static_cast<int>(index_); }  // from 0
  int Count() const { return static_cast<int>(segments_.size()); }
  bool HasNext() const { return index_ + 1 < segments_.size(); }
  // Moves to the next segment; false (staying) at the last.
  bool Advance();

 private:
  Lesson whole_;
  std::vector<Lesson> segments_;
  std::size_t index_ = 0;
};

// The id of the lesson after id in lessons (the catalogue's order), skipping entries without
// text (the weak-points entry); empty after the last one or for an id not among them (a text
// file of one's own, the weak-points lesson).
std::string NextLessonId(const std::vector<Lesson>& lessons, const std::string& id);

}  // namespace dazi::lessons
