// The typing rules on small made-up stroke data: shapes, the four short parts, 叉 and hooks
// from geometry, short codes and the choice of code variants.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/dictbuild/CodeVariants.h"
#include "tools/dictbuild/ShapeRules.h"
#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {
namespace {

StrokeShape Bar(Point a, Point b) {
  const double len = std::hypot(b.x - a.x, b.y - a.y);
  const double nx = -(b.y - a.y) / len * 20, ny = (b.x - a.x) / len * 20;
  return {{a, b},
          {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}};
}

class ShapeRulesTest : public ::testing::Test {
 protected:
  ShapeRulesTest() : letters_(kHanziCount), shapes_(kHanziCount) {
    Letters(U'口', "szh");
    Letters(U'日', "szhh");
    Letters(U'昌', "szhhszhh");
    Letters(U'唱', "szhszhhszhh");
    Letters(U'氵', "nnh");
    Letters(U'又', "zn");
    Letters(U'汉', "nnhzn");
    Letters(U'宀', "nnz");
    Letters(U'子', "zsh");
    Letters(U'字', "nszzsh");  // the stroke data's slip: 宀's second 点 as 竖
    Letters(U'毛', "phhz");
    Letters(U'笔', "phnphnphhz");
    Letters(U'十', "hs");
    Letters(U'丁', "hs");
    Letters(U'八', "pn");
    decompositions_ = {{"唱", {"a", {"口", "昌"}}},   {"昌", {"rd", {"日"}}},
                       {"日", {"w", {"口", "一"}}},   {"汉", {"a", {"氵", "又"}}},
                       {"字", {"d", {"宀", "子"}}},   {"笔", {"d", {"⺮", "毛"}}},
                       {"十", {"lock", {"一", "丨"}}}};
    Letters(U'一', "h");
    shapes_[Index(U'十')] = {Bar({100, 500}, {900, 500}), Bar({500, 900}, {500, 100})};
    shapes_[Index(U'丁')] = {Bar({150, 650}, {880, 680}),
                             {{{518, 640}, {518, 101}, {495, 55}, {450, 68}, {369, 110}},
                              Bar({518, 640}, {518, 60}).outline}};
  }
  static std::size_t Index(char32_t cp) { return static_cast<std::size_t>(HanziIndex(cp)); }
  void Letters(char32_t cp, const char* strokes) { letters_[Index(cp)] = strokes; }
  RuleCodes Codes(char32_t cp) {
    ShapeRules rules(letters_, shapes_, decompositions_);
    return rules.Codes(static_cast<int>(Index(cp)));
  }

  std::vector<std::string> letters_;
  std::vector<CharShape> shapes_;
  DecompositionMap decompositions_;
};

TEST_F(ShapeRulesTest, LeftPartTwoStrokesTopPartFourThenTheRest) {
  EXPECT_EQ(Codes(U'汉').rule, "4454");      // 氵 点点, then 又 in full
  EXPECT_EQ(Codes(U'笔').rule, "31433115");  // ⺮ 撇横点撇 (its size from the rest), then 毛
  // 字: the top part's own strokes repair the slip; 子's hook has no geometry here.
  EXPECT_EQ(Codes(U'字').rule, "445521");
  EXPECT_EQ(Codes(U'字').plain, "445521");
  EXPECT_EQ(Codes(U'字').written, "425521");
}

TEST_F(ShapeRulesTest, TheFourShortPartsOnlyInsideOtherCharacters) {
  const RuleCodes chang = Codes(U'唱');
  EXPECT_EQ(chang.rule, "211");  // 口 竖, then 日 横 over 日 横
  EXPECT_EQ(chang.relaxed, "2525112511");
  EXPECT_EQ(Codes(U'口').rule, "251");
  EXPECT_EQ(Codes(U'日').rule, "2511");
}

TEST_F(ShapeRulesTest, CrossingsAndHooksComeFromTheGeometry) {
  const RuleCodes shi = Codes(U'十');
  EXPECT_TRUE(shi.geometry);
  EXPECT_EQ(shi.rule, "6");
  EXPECT_EQ(shi.crossing, "6");
  EXPECT_EQ(shi.plain, "12");
  const RuleCodes ding = Codes(U'丁');
  EXPECT_EQ(ding.plain, "15");
  EXPECT_EQ(ding.written, "12");
  // Geometry that does not match the strokes is not used.
  shapes_[Index(U'十')].pop_back();
  EXPECT_FALSE(Codes(U'十').geometry);
  EXPECT_EQ(Codes(U'十').rule, "12");
}

TEST(CodeVariantsTest, ShortCodesAreTypedAgainFromTheStart) {
  EXPECT_EQ(ExtendShortCode("34", "34"), "3434");
  EXPECT_EQ(ExtendShortCode("6", "12"), "612");
  EXPECT_EQ(ExtendShortCode("211", "2512"), "21125");
  EXPECT_EQ(ExtendShortCode("2511", "2511"), "2511");
  EXPECT_EQ(ExtendShortCode("123451234", "1"), "12345123");
  EXPECT_EQ(ExtendShortCode("", "12"), "");
}

TEST(CodeVariantsTest, VariantsThatAddNothingAreLeftOut) {
  RuleCodes shi{"6", "6", "6", "12", "12", true};
  EXPECT_EQ(CandidateCodes(shi), (std::vector<std::string>{"612", "1212"}));
  // The plain code is a prefix of the main code: nothing is typed by it alone.
  RuleCodes prefix{"25111", "25111", "25111", "2511", "2511", true};
  EXPECT_EQ(CandidateCodes(prefix), (std::vector<std::string>{"25111"}));
  RuleCodes all{"211", "2525112511", "25125112", "25125112", "25125112", true};
  EXPECT_EQ(CandidateCodes(all), (std::vector<std::string>{"21125", "25125112", "25251125"}));
  EXPECT_TRUE(CandidateCodes(RuleCodes{}).empty());
}

TEST(CodeVariantsTest, RecordsGoToCharactersInPriorityOrder) {
  std::vector<std::vector<std::string>> codes = {
      {"11", "12"}, {"21"}, {"31", "32", "33"}, {"41", "42"}, {"51", "52"}};
  EXPECT_EQ(SpendVariants({4, 1, 2, 0, 3}, 2, &codes), 2);
  EXPECT_EQ(codes[4].size(), 2u);
  EXPECT_EQ(codes[2].size(), 3u);
  EXPECT_EQ(codes[0], (std::vector<std::string>{"11"}));  // beyond the records
  EXPECT_EQ(codes[3], (std::vector<std::string>{"41"}));
  EXPECT_EQ(codes[1], (std::vector<std::string>{"21"}));
}

}  // namespace
}  // namespace dazi::dictbuild
