#include "tools/dictbuild/Medians.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

// A cursor over the JSON text; every reader stops at the end without reading past it.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;

  void SkipSpace() {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  }
  bool Take(char ch) {
    SkipSpace();
    if (at >= text.size() || text[at] != ch) return false;
    ++at;
    return true;
  }
  bool Peek(char ch) {
    SkipSpace();
    return at < text.size() && text[at] == ch;
  }
  bool Number(double* out) {
    SkipSpace();
    const char* begin = text.data() + at;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, *out);
    if (ec != std::errc() || ptr == begin) return false;
    at += static_cast<std::size_t>(ptr - begin);
    return true;
  }
  bool String(std::string_view* out) {
    if (!Take('"')) return false;
    const std::size_t end = text.find('"', at);
    if (end == std::string_view::npos) return false;
    *out = text.substr(at, end - at);
    at = end + 1;
    return true;
  }
};

// Reads a list "[ item, item ... ]" calling item() for each entry.
template <typename Item>
bool List(Cursor* c, Item item) {
  if (!c->Take('[')) return false;
  if (c->Take(']')) return true;
  do {
    if (!item()) return false;
  } while (c->Take(','));
  return c->Take(']');
}

bool ReadPoint(Cursor* c, std::vector<Point>* out) {
  Point p;
  if (!c->Take('[') || !c->Number(&p.x) || !c->Take(',') || !c->Number(&p.y) || !c->Take(']'))
    return false;
  out->push_back(p);
  return true;
}

// SVG path data of the outlines: absolute M, L, Q, C and Z. Curves become short segments,
// fine enough for the inside test of the crossing check.
bool ParseOutline(std::string_view path, std::vector<Point>* out) {
  Cursor c{path};
  Point current;
  auto point = [&](Point* p) { return c.Number(&p->x) && c.Number(&p->y); };
  while (true) {
    c.SkipSpace();
    if (c.at >= path.size()) break;
    const char command = path[c.at++];
    Point a, b, end;
    switch (command) {
      case 'M':
      case 'L':
        if (!point(&end)) return false;
        out->push_back(end);
        break;
      case 'Q':
        if (!point(&a) || !point(&end)) return false;
        for (int k = 1; k <= 4; ++k) {
          const double t = k / 4.0, u = 1 - t;
          out->push_back({u * u * current.x + 2 * u * t * a.x + t * t * end.x,
                          u * u * current.y + 2 * u * t * a.y + t * t * end.y});
        }
        break;
      case 'C':
        if (!point(&a) || !point(&b) || !point(&end)) return false;
        for (int k = 1; k <= 6; ++k) {
          const double t = k / 6.0, u = 1 - t;
          out->push_back({u * u * u * current.x + 3 * u * u * t * a.x + 3 * u * t * t * b.x +
                              t * t * t * end.x,
                          u * u * u * current.y + 3 * u * u * t * a.y + 3 * u * t * t * b.y +
                              t * t * t * end.y});
        }
        break;
      case 'Z':
        end = out->empty() ? current : out->front();
        break;
      default:
        return false;
    }
    current = end;
  }
  return out->size() >= 3;
}

}  // namespace

bool ParseCharShape(std::string_view json, CharShape* out) {
  out->clear();
  std::vector<std::string_view> paths;
  std::vector<std::vector<Point>> medians;
  Cursor c{json};
  if (!c.Take('{')) return false;
  bool ok = true;
  do {
    std::string_view key;
    if (!c.String(&key) || !c.Take(':')) return false;
    if (key == "strokes") {
      ok = List(&c, [&] {
        std::string_view p;
        if (!c.String(&p)) return false;
        paths.push_back(p);
        return true;
      });
    } else if (key == "medians") {
      ok = List(&c, [&] {
        medians.emplace_back();
        return List(&c, [&] { return ReadPoint(&c, &medians.back()); });
      });
    } else {  // radStrokes and anything else: a flat list of numbers
      ok = List(&c, [&] {
        double ignored;
        return c.Number(&ignored);
      });
    }
    if (!ok) return false;
  } while (c.Take(','));
  if (!c.Take('}') || paths.size() != medians.size() || paths.empty()) return false;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    StrokeShape s;
    s.median = std::move(medians[i]);
    if (s.median.size() < 2 || !ParseOutline(paths[i], &s.outline)) {
      out->clear();
      return false;
    }
    out->push_back(std::move(s));
  }
  return true;
}

int LoadMedians(const std::string& dir, std::vector<CharShape>* shapes) {
  shapes->assign(static_cast<std::size_t>(kHanziCount), {});
  int loaded = 0;
  for (int i = 0; i < kHanziCount; ++i) {
    std::string name;
    AppendUtf8(&name, kFirstHanzi + static_cast<char32_t>(i));
    std::ifstream in(dir + "/" + name + ".json", std::ios::binary);
    if (!in) continue;
    std::stringstream text;
    text << in.rdbuf();
    if (ParseCharShape(text.str(), &(*shapes)[static_cast<std::size_t>(i)])) ++loaded;
  }
  return loaded;
}

}  // namespace dazi::dictbuild
