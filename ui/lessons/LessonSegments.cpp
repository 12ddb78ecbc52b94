#include "ui/lessons/LessonSegments.h"

#include <cmath>
#include <cstdlib>

#include "ui/lessons/Utf8Chars.h"

namespace dazi::lessons {
namespace {

bool IsBlank(std::string_view ch) {
  return ch == " " || ch == "\xE3\x80\x80";  // U+3000
}

std::string TrimBlanks(std::string text) {
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A line of more than perSegment characters in near-equal parts, each at most perSegment.
std::vector<std::string> CutLine(const std::string& line, int perSegment) {
  const int typed = TypedCharacters(line);
  if (typed <= perSegment) return {line};
  const int parts = (typed + perSegment - 1) / perSegment;
  std::vector<std::string> pieces(1);
  int seen = 0;
  for (const std::string_view ch : SplitUtf8(line)) {
    pieces.back() += ch;
    if (IsBlank(ch)) continue;
    ++seen;
    const int cut = static_cast<int>(pieces.size());  // cuts made so far, plus one
    if (cut < parts && seen == typed * cut / parts) pieces.emplace_back();
  }
  for (std::string& piece : pieces) piece = TrimBlanks(std::move(piece));
  return pieces;
}

std::string SegmentTitle(const std::string& title, std::size_t index, std::size_t count) {
  return title + "（第" + std::to_string(index + 1) + "段，共" + std::to_string(count) + "段）";
}

}  // namespace

int TypedCharacters(const std::string& utf8Line) {
  int count = 0;
  for (const std::string_view ch : SplitUtf8(utf8Line))
    if (!IsBlank(ch)) ++count;
  return count;
}

std::vector<Lesson> SplitIntoSegments(const Lesson& lesson, int perSegment) {
  if (perSegment < 1) return {lesson};
  std::vector<std::string> pieces;
  std::vector<int> ends{0};  // characters before each piece, and the total last
  for (const std::string& line : lesson.lines)
    for (std::string& piece : CutLine(line, perSegment)) {
      ends.push_back(ends.back() + TypedCharacters(piece));
      pieces.push_back(std::move(piece));
    }
  const int total = ends.back();
  const auto wanted =
      static_cast<std::size_t>(std::lround(static_cast<double>(total) / perSegment));
  const std::size_t count = std::min(wanted, pieces.size());
  if (count < 2) return {lesson};

  // The piece each segment starts at: the line end nearest its share of the characters.
  std::vector<std::size_t> starts{0};
  for (std::size_t k = 1; k < count; ++k) {
    const double share = static_cast<double>(total) * static_cast<double>(k) / count;
    std::size_t best = starts.back() + 1;
    for (std::size_t j = best; j + (count - k) <= pieces.size(); ++j)
      if (std::abs(ends[j] - share) < std::abs(ends[best] - share)) best = j;
    starts.push_back(best);
  }
  starts.push_back(pieces.size());

  std::vector<Lesson> segments;
  for (std::size_t k = 0; k < count; ++k) {
    Lesson segment;
    segment.id = lesson.id;
    segment.title = SegmentTitle(lesson.title, k, count);
    segment.group = lesson.group;
    segment.method = lesson.method;
    segment.lines.assign(pieces.begin() + static_cast<std::ptrdiff_t>(starts[k]),
                         pieces.begin() + static_cast<std::ptrdiff_t>(starts[k + 1]));
    segments.push_back(std::move(segment));
  }
  return segments;
}

SegmentedLesson::SegmentedLesson(Lesson whole, int perSegment)
    : whole_(std::move(whole)), segments_(SplitIntoSegments(whole_, perSegment)) {}

bool SegmentedLesson::Advance() {
  if (!HasNext()) return false;
  ++index_;
  return true;
}

std::string NextLessonId(const std::vector<Lesson>& lessons, const std::string& id) {
  for (std::size_t i = 0; i < lessons.size(); ++i) {
    if (lessons[i].id != id) continue;
    for (std::size_t j = i + 1; j < lessons.size(); ++j)
      if (!lessons[j].lines.empty()) return lessons[j].id;
    return {};
  }
  return {};
}

}  // namespace dazi::lessons
