// Which characters match the typed strokes, and in what order.
#include <gmock/gmock.h>

#include "engine/keypad/KeypadEngine.h"
#include "tests/keypad/KeypadFixture.h"

namespace dazi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StrokeLookup : public testing::KeypadTest {
 protected:
  // Looks up input on its own, with no first page remembered from earlier inputs.
  std::vector<std::string> Match(const std::string& input) {
    Jump(input);
    return Results();
  }
};

TEST_F(StrokeLookup, CharactersWithFewerStrokesDropOut) {
  Char("王", {"1121"});
  Char("丁", {"12"});
  Char("一", {"1"});
  Char("二", {"11"});
  Char("三", {"111"});
  Char("八", {"34"});
  Load();
  EXPECT_THAT(Match("1"), ElementsAre("王", "丁", "一", "二", "三"));
  EXPECT_THAT(Match("11"), ElementsAre("王", "二", "三"));
  EXPECT_THAT(Match("111"), ElementsAre("三"));
  EXPECT_THAT(Match("1111"), IsEmpty());
  EXPECT_THAT(Match("3"), ElementsAre("八"));
}

TEST_F(StrokeLookup, EightStrokesAreTheLastThatMatchCharacters) {
  Char("龍", {"41431252"});
  Load();
  EXPECT_THAT(Match("41431252"), ElementsAre("龍"));
  EXPECT_THAT(Match("414312521"), IsEmpty());
  // However long the input grows, nothing is read or written out of bounds.
  EXPECT_THAT(Match(std::string(5000, '4')), IsEmpty());
}

TEST_F(StrokeLookup, OnlyTheActiveClassIsListed) {
  using dictwriter::kStrokeSimplified;
  using dictwriter::kStrokeTraditional;
  using dictwriter::kStrokeVariant;
  Char("门", {"425"}, kStrokeSimplified);
  Char("們", {"322511"}, kStrokeTraditional);
  Char("们", {"32425"}, kStrokeSimplified | kStrokeVariant);
  Load(3);
  EXPECT_THAT(Match("3"), ElementsAre("们"));
  SrfState.MethodClass = 4;
  EXPECT_THAT(Match("3"), ElementsAre("們"));
  SrfState.MethodClass = 5;
  EXPECT_THAT(Match("3"), ElementsAre("们"));
  EXPECT_THAT(Match("4"), IsEmpty());
}

TEST_F(StrokeLookup, MainCodeAndVariantAreListedTwice) {
  Char("中", {"2512", "2513"});
  Char("口", {"251"});
  Char("小", {"234", "534"});
  Load();
  // The main matches first, then the variant matches with their code-variant kind.
  EXPECT_THAT(Match("251"), ElementsAre("中", "口", "中/v1"));
  EXPECT_THAT(Match("2512"), ElementsAre("中"));
  EXPECT_THAT(Match("2513"), ElementsAre("中/v1"));
  // A variant with another first stroke sits in that stroke's list.
  EXPECT_THAT(Match("5"), ElementsAre("小/v1"));
  EXPECT_EQ(SrfState.ResultStrokes[0], "53400000");
}

TEST_F(StrokeLookup, PassedOverFirstPageCharactersMoveBehindTheOthers) {
  Char("甲", {"123"});
  Char("乙", {"13"});
  Char("丙", {"124"});
  Char("丁", {"14"});
  Char("戊", {"12"});
  Char("己", {"12"});
  Char("庚", {"21", "12"});
  Load();
  Type("1");
  EXPECT_THAT(Slots(), ElementsAre("甲", "乙", "丙", "丁"));
  Type("12");
  // 甲 and 丙 were offered at one stroke and passed over: they follow even the variants.
  EXPECT_THAT(Results(), ElementsAre("戊", "己", "庚/v1", "甲", "丙"));
  // 戊 and 己 now sit on the first page of two strokes; at three strokes nothing matches.
  Type("121");
  EXPECT_THAT(Results(), IsEmpty());
}

// A typist who knows a code types it whole: a character whose code ends with the typed
// strokes was not passed over at a shorter input, whether the code is its main one or a
// variant.
TEST_F(StrokeLookup, WholeMainCodeKeepsItsPlace) {
  Char("甲", {"12"});
  Char("丙", {"123"});
  Char("戊", {"125"});
  Char("乙", {"13"});
  Char("庚", {"124"});
  Load();
  Type("1");
  ASSERT_THAT(Slots(), ElementsAre("甲", "丙", "戊", "乙"));
  Type("12");
  EXPECT_THAT(Results(), ElementsAre("甲", "庚", "丙", "戊"));
}

TEST_F(StrokeLookup, WholeVariantCodeKeepsItsPlace) {
  Char("甲", {"12"});
  Char("丙", {"123"});
  Char("乙", {"13"});
  Char("小", {"3", "12"});
  Char("子", {"4", "121"});
  Load();
  Type("1");
  ASSERT_THAT(Slots(), ElementsAre("甲", "丙", "乙", "小"));
  Type("12");
  EXPECT_THAT(Results(), ElementsAre("甲", "小/v1", "子/v1", "丙"));
}

TEST_F(StrokeLookup, PassedOverVariantMatchStaysListed) {
  Char("小", {"234", "53"});
  Char("了", {"52"});
  Char("也", {"53"});
  Load();
  Type("5");
  EXPECT_THAT(Slots(), ElementsAre("了", "也", "小"));
  // 小 was shown through its variant; typing on along that variant must not lose it.
  Type("53");
  EXPECT_THAT(Results(), ElementsAre("也", "小/v1"));
}

TEST_F(StrokeLookup, PredictedCharactersComeFirst) {
  const int a = Char("人", {"34"});
  Char("入", {"34"});
  const int c = Char("八", {"34"});
  Load();
  SrfState.PredictedChars[0] = c;
  SrfState.PredictedChars[1] = a;
  SrfState.PredictedCharCount = 2;
  EXPECT_THAT(Match("34"), ElementsAre("八", "人", "入"));
}

TEST_F(StrokeLookup, PredictedCharacterShownAtOneStrokeStaysFirstAtTheNext) {
  const int men = Char("们", {"3412"});
  for (const char* name : {"人", "八", "入", "个", "从", "今", "介", "令"}) Char(name, {"345"});
  Load();
  SrfState.PredictedChars[0] = men;
  SrfState.PredictedCharCount = 1;
  Type("3");
  ASSERT_THAT(Slots(), ElementsAre("们", "人", "八", "入"));
  Type("34");
  ASSERT_FALSE(Results().empty());
  EXPECT_EQ(Results()[0], "们");
}

TEST_F(StrokeLookup, AnyVariantOfASingleCodeCharacterIsThatCode) {
  Char("人", {"34"});
  dict_.Source().strokeLists[2].push_back({1, dictwriter::kStrokeSimplified, 4});
  Load();
  // The stored value is the code itself, whatever variant the list entry names.
  EXPECT_THAT(Match("3"), ElementsAre("人", "人/v4"));
}

}  // namespace
}  // namespace dazi
