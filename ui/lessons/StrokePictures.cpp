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

// "6:0 1:0 2:1" into labels on strokes below strokeCount; false on anything else.
bool ParseLabels(std::string_view text, std::size_t strokeCount, StrokePicture* picture) {
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view label = text.substr(0, blank);
    text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    StrokePicture::KeyLabel l;
    if (label.size() < 3 || label[0] < '1' || label[0] > '6' || label[1] != ':' ||
        !ParseInt(label.substr(2), &l.stroke) || l.stroke < 0 ||
        static_cast<std::size_t>(l.stroke) >= strokeCount)
      return false;
    l.key = label[0];
    picture->labels.push_back(l);
  }
  return !picture->labels.empty();
}

// "labels<TAB>strokes", the line after its character.
std::optional<StrokePicture> ParseLine(std::string_view rest) {
  const std::size_t tab = rest.find('\t');
  if (tab == std::string_view::npos) return std::nullopt;
  StrokePicture picture;
  if (!ParseStrokes(rest.substr(tab + 1), &picture) ||
      !ParseLabels(rest.substr(0, tab), picture.strokes.size(), &picture))
    return std::nullopt;
  return picture;
}

}  // namespace

std::string StrokePicture::Code() const {
  std::string code;
  for (const KeyLabel& label : labels) code += label.key;
  return code;
}

std::optional<StrokePicture> FindStrokePicture(const std::string& path, const std::string& utf8) {
  std::ifstream in(path, std::ios::binary);
  const std::string prefix = utf8 + "\t";
  for (std::string line; std::getline(in, line);)
    if (line.compare(0, prefix.size(), prefix) == 0)
      return ParseLine(std::string_view(line).substr(prefix.size()));
  return std::nullopt;
}

std::map<std::string, StrokePicture> LoadStrokePictures(const std::string& path) {
  std::map<std::string, StrokePicture> pictures;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    if (std::optional<StrokePicture> picture = ParseLine(std::string_view(line).substr(tab + 1)))
      pictures.emplace(line.substr(0, tab), std::move(*picture));
  }
  return pictures;
}

}  // namespace dazi::lessons
