// Median lines and outlines of hanzi-writer-data, the crossing test, 叉 runs and hooks,
// and the cjk-decomp reader.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/dictbuild/Crossings.h"
#include "tools/dictbuild/Decomposition.h"
#include "tools/dictbuild/Medians.h"

namespace dazi::dictbuild {
namespace {

// A straight stroke of the given width from a to b: the median and a rectangle around it.
StrokeShape Bar(Point a, Point b, double width = 40) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len = std::hypot(dx, dy);
  const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
  return {{a, b},
          {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}};
}

TEST(MediansTest, ReadsStrokesAndMediansAndRefusesDamagedText) {
  const std::string json =
      R"({"strokes": ["M 0 0 L 100 0 Q 120 10 100 20 C 80 30 20 30 0 20 Z", "M 5 5 L 9 9 L 5 9 Z"],)"
      R"( "medians": [[[10, 10], [90, 10]], [[6, 8], [8, 8]]], "radStrokes": [0]})";
  CharShape shape;
  ASSERT_TRUE(ParseCharShape(json, &shape));
  ASSERT_EQ(shape.size(), 2u);
  EXPECT_EQ(shape[0].median.size(), 2u);
  EXPECT_DOUBLE_EQ(shape[0].median[1].x, 90);
  // M, L, four points per Q and six per C: the curves are flattened.
  EXPECT_EQ(shape[0].outline.size(), 12u);
  EXPECT_EQ(shape[1].outline.size(), 3u);

  for (std::size_t cut : {std::size_t{0}, std::size_t{20}, json.size() / 2, json.size() - 1}) {
    EXPECT_FALSE(ParseCharShape(json.substr(0, cut), &shape)) << cut;
    EXPECT_TRUE(shape.empty());
  }
  // One median more than outlines, a median of one point, an unknown path command.
  EXPECT_FALSE(ParseCharShape(R"({"strokes": ["M 0 0 L 1 0 L 1 1 Z"], "medians": []})", &shape));
  EXPECT_FALSE(
      ParseCharShape(R"({"strokes": ["M 0 0 L 1 0 L 1 1 Z"], "medians": [[[1, 1]]]})", &shape));
  EXPECT_FALSE(ParseCharShape(
      R"({"strokes": ["M 0 0 X 1 0 L 1 1 Z"], "medians": [[[1, 1], [2, 2]]]})", &shape));
}

TEST(MediansTest, MissingFolderLeavesEveryCharacterWithoutGeometry) {
  std::vector<CharShape> shapes;
  EXPECT_EQ(LoadMedians("/nonexistent/hanzi-writer-data", &shapes), 0);
  EXPECT_FALSE(shapes.empty());
  for (const CharShape& s : shapes) ASSERT_TRUE(s.empty());
}

TEST(CrossingsTest, StrokesCrossOnlyWhenBothStickOutOnBothSides) {
  const StrokeShape across = Bar({100, 500}, {900, 500});
  EXPECT_TRUE(StrokesCross(across, Bar({500, 900}, {500, 100})));  // 十
  EXPECT_TRUE(StrokesCross(Bar({500, 900}, {500, 100}), across));
  // A T-joint: the vertical starts on the horizontal and goes down only.
  EXPECT_FALSE(StrokesCross(across, Bar({500, 510}, {500, 100})));
  // Poking through by less than the arm a crossing needs (20 units past the outline).
  EXPECT_FALSE(StrokesCross(across, Bar({500, 530}, {500, 100})));
  EXPECT_TRUE(StrokesCross(across, Bar({500, 600}, {500, 100})));
  // Meeting at the ends (a corner), and passing by without meeting.
  EXPECT_FALSE(StrokesCross(across, Bar({900, 500}, {900, 100})));
  EXPECT_FALSE(StrokesCross(across, Bar({500, 400}, {500, 100})));
}

TEST(CrossingsTest, RunsJoinConsecutiveStrokesLinkedByCrossings) {
  auto matrix = [](int n, std::initializer_list<std::pair<int, int>> pairs) {
    std::vector<std::vector<bool>> m(static_cast<std::size_t>(n),
                                     std::vector<bool>(static_cast<std::size_t>(n), false));
    for (auto [a, b] : pairs)
      m[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
          m[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = true;
    return m;
  };
  // 也: the first stroke crosses the other two, which do not cross each other.
  EXPECT_EQ(CrossingRuns(matrix(3, {{0, 1}, {0, 2}}), 0, 3), (std::vector<int>{0, 3}));
  // 木: 横 and 竖 cross, 撇 and 点 stand alone.
  EXPECT_EQ(CrossingRuns(matrix(4, {{0, 1}}), 0, 4), (std::vector<int>{0, 2, 3, 4}));
  // 中: the last stroke crosses the two before it; the first stands alone.
  EXPECT_EQ(CrossingRuns(matrix(4, {{1, 3}, {2, 3}}), 0, 4), (std::vector<int>{0, 1, 4}));
  // A crossing outside the range does not join strokes inside it.
  EXPECT_EQ(CrossingRuns(matrix(4, {{0, 1}, {2, 3}}), 1, 3), (std::vector<int>{1, 2, 3}));
}

TEST(CrossingsTest, HooksAreTurnsBackUpAtTheEnd) {
  // 丁's 竖钩 (y grows upwards in the data) against a plain 竖 and a 竖 bending slightly.
  EXPECT_TRUE(EndsInHook({{478, 644}, {518, 610}, {518, 101}, {495, 55}, {450, 68}, {369, 110}}));
  EXPECT_FALSE(EndsInHook({{456, 811}, {522, 767}, {512, 593}, {507, -33}}));
  EXPECT_FALSE(EndsInHook({{229, 584}, {287, 517}, {330, 203}, {348, 152}}));
  EXPECT_FALSE(EndsInHook({{500, 800}, {500, 100}, {490, 105}}));  // a flick too small
}

TEST(DecompositionTest, ReadsShapesAndParts) {
  DecompositionMap map;
  ParseDecompositions("10001:ra(丨)\n字:d(宀,子)\n一:c()\nbroken line\n:a(x)\n品:r3tr(口)", &map);
  ASSERT_EQ(map.size(), 4u);
  EXPECT_EQ(map["字"].shape, "d");
  EXPECT_EQ(map["字"].parts, (std::vector<std::string>{"宀", "子"}));
  EXPECT_EQ(map["10001"].shape, "ra");
  EXPECT_TRUE(map["一"].parts.empty());
  EXPECT_EQ(map["品"].parts, (std::vector<std::string>{"口"}));
}

}  // namespace
}  // namespace dazi::dictbuild
