// Stroke geometry from hanzi-writer-data: for every stroke its median line and its outline,
// in the 1024-unit box of that data (y grows upwards).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dazi::dictbuild {

struct Point {
  double x = 0;
  double y = 0;
};

struct StrokeShape {
  std::vector<Point> median;   // the centre line, first point where the pen starts
  std::vector<Point> outline;  // the closed outline, curves flattened into segments
};

using CharShape = std::vector<StrokeShape>;  // strokes in writing order

// Reads "strokes" and "medians" of one character's JSON file. False when the text is not
// what the data holds (then out is left empty).
bool ParseCharShape(std::string_view json, CharShape* out);

// shapes[HanziIndex(cp)] from "<character>.json" under dir; characters without a file, or
// with a damaged one, stay empty. A missing dir leaves every character without geometry.
// Returns the number of characters read.
int LoadMedians(const std::string& dir, std::vector<CharShape>* shapes);

}  // namespace dazi::dictbuild
