#include "tools/dictbuild/Crossings.h"

#include <algorithm>
#include <cmath>

namespace dazi::dictbuild {
namespace {

constexpr double kMinArm = 20;         // units of the 1024 box
constexpr double kMinArmShare = 0.10;  // of the stroke's own length
constexpr double kWalkStep = 4;        // along the median, when looking for the outline's edge
constexpr double kMinHookRise = 25;
constexpr double kMinHookLength = 40;

double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// Even-odd test against a closed outline.
bool Inside(const std::vector<Point>& polygon, Point p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point a = polygon[i], b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

// A median line measured by arc length.
class Polyline {
 public:
  explicit Polyline(const std::vector<Point>& points) : points_(points) {
    lengths_.push_back(0);
    for (std::size_t i = 1; i < points.size(); ++i)
      lengths_.push_back(lengths_.back() + Distance(points[i - 1], points[i]));
  }
  double Length() const { return lengths_.back(); }
  double At(std::size_t segment, double t) const {
    return lengths_[segment] + t * (lengths_[segment + 1] - lengths_[segment]);
  }
  Point PointAt(double s) const {
    s = std::clamp(s, 0.0, Length());
    std::size_t i = 1;
    while (i + 1 < lengths_.size() && lengths_[i] < s) ++i;
    const double span = lengths_[i] - lengths_[i - 1];
    const double t = span > 0 ? (s - lengths_[i - 1]) / span : 0;
    return {points_[i - 1].x + t * (points_[i].x - points_[i - 1].x),
            points_[i - 1].y + t * (points_[i].y - points_[i - 1].y)};
  }

 private:
  const std::vector<Point>& points_;
  std::vector<double> lengths_;
};

// Both arms of the line at arc position s, each measured from where the line leaves the
// other stroke's outline to its end.
bool ArmsReachOut(const Polyline& line, double s, const std::vector<Point>& otherOutline) {
  const double need = std::max(kMinArm, kMinArmShare * line.Length());
  double forward = s;
  while (forward < line.Length() && Inside(otherOutline, line.PointAt(forward)))
    forward += kWalkStep;
  double backward = s;
  while (backward > 0 && Inside(otherOutline, line.PointAt(backward))) backward -= kWalkStep;
  return line.Length() - forward >= need && backward >= need;
}

}  // namespace

namespace {

bool BoxesMeet(const std::vector<Point>& a, const std::vector<Point>& b) {
  auto box = [](const std::vector<Point>& p, double* x0, double* y0, double* x1, double* y1) {
    *x0 = *x1 = p[0].x;
    *y0 = *y1 = p[0].y;
    for (const Point& q : p) {
      *x0 = std::min(*x0, q.x);
      *x1 = std::max(*x1, q.x);
      *y0 = std::min(*y0, q.y);
      *y1 = std::max(*y1, q.y);
    }
  };
  double ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
  box(a, &ax0, &ay0, &ax1, &ay1);
  box(b, &bx0, &by0, &bx1, &by1);
  return ax0 <= bx1 && bx0 <= ax1 && ay0 <= by1 && by0 <= ay1;
}

bool Cross(const StrokeShape& a, const Polyline& la, const StrokeShape& b, const Polyline& lb) {
  if (a.median.size() < 2 || b.median.size() < 2 || !BoxesMeet(a.median, b.median)) return false;
  for (std::size_t i = 0; i + 1 < a.median.size(); ++i) {
    const Point p = a.median[i];
    const Point r{a.median[i + 1].x - p.x, a.median[i + 1].y - p.y};
    for (std::size_t j = 0; j + 1 < b.median.size(); ++j) {
      const Point q = b.median[j];
      const Point d{b.median[j + 1].x - q.x, b.median[j + 1].y - q.y};
      const double denom = r.x * d.y - r.y * d.x;
      if (std::abs(denom) < 1e-9) continue;  // parallel segments never cross properly
      const double t = ((q.x - p.x) * d.y - (q.y - p.y) * d.x) / denom;
      const double u = ((q.x - p.x) * r.y - (q.y - p.y) * r.x) / denom;
      if (t <= 0 || t >= 1 || u <= 0 || u >= 1) continue;
      if (ArmsReachOut(la, la.At(i, t), b.outline) && ArmsReachOut(lb, lb.At(j, u), a.outline))
        return true;
    }
  }
  return false;
}

}  // namespace

bool StrokesCross(const StrokeShape& a, const StrokeShape& b) {
  if (a.median.size() < 2 || b.median.size() < 2) return false;
  return Cross(a, Polyline(a.median), b, Polyline(b.median));
}

std::vector<std::vector<bool>> CrossingMatrix(const CharShape& shape) {
  const std::size_t n = shape.size();
  std::vector<Polyline> lines;
  for (const StrokeShape& s : shape) lines.emplace_back(s.median);
  std::vector<std::vector<bool>> crosses(n, std::vector<bool>(n, false));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      crosses[i][j] = crosses[j][i] = Cross(shape[i], lines[i], shape[j], lines[j]);
  return crosses;
}

namespace {

bool RunIsJoined(const std::vector<std::vector<bool>>& crosses, int begin, int end) {
  std::vector<bool> reached(static_cast<std::size_t>(end - begin), false);
  std::vector<int> stack{begin};
  reached[0] = true;
  int count = 1;
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    for (int j = begin; j < end; ++j) {
      const auto k = static_cast<std::size_t>(j - begin);
      if (reached[k] || !crosses[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)])
        continue;
      reached[k] = true;
      ++count;
      stack.push_back(j);
    }
  }
  return count == end - begin;
}

}  // namespace

std::vector<int> CrossingRuns(const std::vector<std::vector<bool>>& crosses, int begin, int end) {
  std::vector<int> starts;
  int i = begin;
  while (i < end) {
    starts.push_back(i);
    int last = i;
    for (int j = end - 1; j > i; --j) {
      // The last stroke of a joined run crosses some stroke before it in the run.
      bool linked = false;
      for (int k = i; k < j && !linked; ++k)
        linked = crosses[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)];
      if (linked && RunIsJoined(crosses, i, j + 1)) {
        last = j;
        break;
      }
    }
    i = last + 1;
  }
  starts.push_back(end);
  return starts;
}

bool EndsInHook(const std::vector<Point>& median) {
  std::size_t lowest = 0;
  for (std::size_t i = 1; i < median.size(); ++i)
    if (median[i].y < median[lowest].y) lowest = i;
  if (lowest == 0 || lowest + 1 >= median.size()) return false;
  double rise = 0, length = 0;
  for (std::size_t i = lowest + 1; i < median.size(); ++i) {
    rise = std::max(rise, median[i].y - median[lowest].y);
    length += Distance(median[i - 1], median[i]);
  }
  return rise >= kMinHookRise && length >= kMinHookLength;
}

}  // namespace dazi::dictbuild
