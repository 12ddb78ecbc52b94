// The stroke pictures of the results and the code hints: for a character, the median line of
// each stroke in writing order and the digits of its KX code, each on the stroke it stands for
// (a 叉 once for the strokes it joins, nothing on strokes the rules leave out, the first
// strokes again for a short code), from the file dazi-lessonbuild writes into the lessons
// folder (from hanzi-writer-data, rime's stroke classes and the dictionary's codes).
#pragma once

#include <map>
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
  struct KeyLabel {
    char key = 0;    // '1'-'6'
    int stroke = 0;  // the stroke it is typed for, an index into strokes
  };
  std::vector<KeyLabel> labels;             // the code's digits in typing order
  std::vector<std::vector<Point>> strokes;  // median lines, the pen's start first

  // The digits of the labels in order: the character's KX code.
  std::string Code() const;
};

// The picture of a character (UTF-8) from the file at path; nullopt when it has none.
std::optional<StrokePicture> FindStrokePicture(const std::string& path, const std::string& utf8);

// Every well-formed picture of the file, by character.
std::map<std::string, StrokePicture> LoadStrokePictures(const std::string& path);

}  // namespace dazi::lessons
