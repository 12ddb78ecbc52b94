// The stroke pictures of the results: for a character, the median line of each stroke in
// writing order and the KX key each stroke is typed with, from the file dazi-lessonbuild
// writes into the lessons folder (from hanzi-writer-data and rime's stroke classes).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dazi::lessons {

inline constexpr char kStrokePicturesFile[] = "strokes.tsv";

struct StrokePicture {
  struct Point {
    int x = 0;
    int y = 0;  // upwards, in a box of 1024 units whose baseline lies at 900 from the top
  };
  std::string keys;                         // one digit 1-6 per stroke
  std::vector<std::vector<Point>> strokes;  // median lines, the pen's start first
};

// The picture of a character (UTF-8) from the file at path; nullopt when it has none.
std::optional<StrokePicture> FindStrokePicture(const std::string& path, const std::string& utf8);

}  // namespace dazi::lessons
