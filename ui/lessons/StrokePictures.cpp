#include "ui/lessons/StrokePictures.h"

#include <charconv>
#include <fstream>
#include <string_view>

namespace dazi::lessons {
namespace {

bool ParseInt(std::string_view text, int* value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

// "x,y x,y;x,y ..." into strokes; false on anything else.
bool ParseStrokes(std::string_view text, StrokePicture* picture) {
  while (!text.empty()) {
    const std::size_t semicolon = text.find(';');
    std::string_view stroke = text.substr(0, semicolon);
    text.remove_prefix(semicolon == std::string_view::npos ? text.size() : semicolon + 1);
    auto& points = picture->strokes.emplace_back();
    while (!stroke.empty()) {
      const std::size_t blank = stroke.find(' ');
      const std::string_view point = stroke.substr(0, blank);
      stroke.remove_prefix(blank == std::string_view::npos ? stroke.size() : blank + 1);
      const std::size_t comma = point.find(',');
      StrokePicture::Point p;
      if (comma == std::string_view::npos || !ParseInt(point.substr(0, comma), &p.x) ||
          !ParseInt(point.substr(comma + 1), &p.y))
        return false;
      points.push_back(p);
    }
    if (points.empty()) return false;
  }
  return true;
}

}  // namespace

std::optional<StrokePicture> FindStrokePicture(const std::string& path, const std::string& utf8) {
  std::ifstream in(path, std::ios::binary);
  const std::string prefix = utf8 + "\t";
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string_view rest = std::string_view(line).substr(prefix.size());
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    StrokePicture picture;
    picture.keys = rest.substr(0, tab);
    if (!ParseStrokes(rest.substr(tab + 1), &picture) ||
        picture.strokes.size() != picture.keys.size())
      return std::nullopt;
    return picture;
  }
  return std::nullopt;
}

}  // namespace dazi::lessons
