// The ordinary lookup: rank slots, the four groups, class masks and the word starts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrPriority;
using dictwriter::kAttrSimplified;
using dictwriter::kAttrTraditional;
using ::testing::ElementsAre;

class CharacterLookup : public ::testing::Test {
 protected:
  void Load(testing::FixtureDictionary& d) {
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  std::vector<std::string> Lookup(const std::string& input) {
    LookupPinyin(input);
    return testing::LookupTexts();
  }
  testing::TempDataFolder folder_;
};

// The y characters: exact readings of yi with and without the priority bit, longer
// readings (yin, ying) of smaller rank, and one character per stroke record.
testing::FixtureDictionary YDictionary() {
  testing::FixtureDictionary d;
  d.AddReading(d.AddChar("英"), "yingh", kAttrSimplified | 1);
  d.AddReading(d.AddChar("因"), "yins", kAttrSimplified | 2);
  d.AddReading(d.AddChar("以"), "yis", kAttrSimplified | 3);
  d.AddReading(d.AddChar("已"), "yiz", kAttrSimplified | kAttrPriority | 4);
  d.AddReading(d.AddChar("一"), "yih", kAttrSimplified | kAttrPriority | 5);
  d.AddReading(d.AddChar("衣"), "yid", kAttrSimplified | 6);
  d.AddReading(d.AddChar("亿"), "yip", kAttrSimplified | 7);
  d.AddReading(d.AddChar("应"), "yingd", kAttrSimplified | 8);
  d.AddReading(d.AddChar("阿"), "az", kAttrSimplified | 1);
  return d;
}

TEST_F(CharacterLookup, ExactReadingsComeBeforeLongerOnesPriorityFirst) {
  auto d = YDictionary();
  Load(d);
  EXPECT_THAT(Lookup("yi"), ElementsAre("已", "一", "以", "衣", "亿", "英", "因", "应"));
  EXPECT_THAT(Lookup("yin"), ElementsAre("因", "英", "应"));
  EXPECT_THAT(Lookup("ying"), ElementsAre("英", "应"));
  EXPECT_THAT(Lookup("yingd"), ElementsAre("应"));
  EXPECT_THAT(Lookup("yip"), ElementsAre("亿"));
  EXPECT_THAT(Lookup("yu"), ElementsAre());
  // One letter: nothing is exact, so the initial's characters come in rank order.
  EXPECT_THAT(Lookup("y"), ElementsAre("英", "因", "以", "已", "一", "衣", "亿", "应"));
  EXPECT_THAT(Lookup("a"), ElementsAre("阿"));  // a one-letter syllable is exact
}

TEST_F(CharacterLookup, PredictedCharactersMoveFirstOnlyAmongExactReadings) {
  auto d = YDictionary();
  Load(d);
  const int32 yi = 5, ying = 1, yiOther = 3;  // 一, 英, 以
  SrfState.PredictedChars[0] = ying;
  SrfState.PredictedChars[1] = yiOther;
  SrfState.PredictedChars[2] = yi;
  SrfState.PredictedCharCount = 2;  // 一 is past the count
  EXPECT_THAT(Lookup("yi"), ElementsAre("以", "已", "一", "衣", "亿", "英", "因", "应"));
  SrfState.PredictedCharCount = 3;
  EXPECT_THAT(Lookup("yi"), ElementsAre("以", "一", "已", "衣", "亿", "英", "因", "应"));
}

TEST_F(CharacterLookup, FirstRecordToReachARankKeepsIt) {
  testing::FixtureDictionary d;
  d.AddSpelling("yinh");  // numbered before yih
  int yin = d.AddChar("隐"), yi = d.AddChar("一"), other = d.AddChar("以");
  d.AddReading(yin, "yinh", kAttrSimplified | 6);
  d.AddReading(yin, "yih", kAttrSimplified | 6);  // same rank in a later record
  d.AddReading(yi, "yih", kAttrSimplified | 2);
  d.AddReading(other, "yis", kAttrSimplified | 2);  // rank 2 taken by the earlier record
  Load(d);
  // 隐 is listed once, with the text length of yinh: a longer reading for "yi".
  EXPECT_THAT(Lookup("yi"), ElementsAre("一", "隐"));
  EXPECT_THAT(Lookup("yis"), ElementsAre("以"));
}

TEST_F(CharacterLookup, ClassMaskChoosesTheCharacters) {
  testing::FixtureDictionary d;
  d.AddReading(d.AddChar("国"), "guos", kAttrSimplified | 1);
  d.AddReading(d.AddChar("國"), "guos", kAttrTraditional | 2);
  d.AddReading(d.AddChar("果"), "guos", kAttrSimplified | kAttrTraditional | 3);
  d.AddReading(d.AddChar("囯"), "guos", dictwriter::kAttrVariant | 4);
  Load(d);
  EXPECT_THAT(Lookup("guo"), ElementsAre("国", "果"));
  SrfState.MethodClass = 1;
  EXPECT_THAT(Lookup("guo"), ElementsAre("國", "果"));
  SrfState.MethodClass = 2;
  EXPECT_THAT(Lookup("guo"), ElementsAre("囯"));
  SrfState.MethodClass = 4;  // the keypad classes use the same masks
  EXPECT_THAT(Lookup("guo"), ElementsAre("國", "果"));
}

TEST_F(CharacterLookup, RanksOutsideTheSlotsAreDropped) {
  testing::FixtureDictionary d;
  d.AddReading(d.AddChar("大"), "das", kAttrSimplified | 0);
  d.AddReading(d.AddChar("打"), "dah", kAttrSimplified | 2500);
  d.AddReading(d.AddChar("达"), "dah", kAttrSimplified | 2501);
  d.AddReading(d.AddChar("答"), "dap", kAttrSimplified | 4095);
  d.AddReading(d.AddChar("搭"), "dah", kAttrSimplified | 1);
  Load(d);
  EXPECT_THAT(Lookup("da"), ElementsAre("搭", "打"));
}

TEST_F(CharacterLookup, GroupsKeepTheirCapacities) {
  testing::FixtureDictionary d;
  for (int n = 0; n < 150; ++n)
    d.AddReading(d.AddChar(testing::NthCommonChar(n)), "mah",
                 static_cast<std::uint16_t>(kAttrSimplified | (n + 1)));
  for (int n = 150; n < 300; ++n)
    d.AddReading(d.AddChar(testing::NthCommonChar(n)), "mas",
                 static_cast<std::uint16_t>(kAttrSimplified | kAttrPriority | (n + 1)));
  int longer = d.AddChar("马");
  d.AddReading(longer, "mangh", kAttrSimplified | 400);
  Load(d);
  auto list = Lookup("ma");
  ASSERT_EQ(list.size(), 101u + 101u + 1u);
  EXPECT_EQ(list[0], testing::NthCommonChar(150));    // priority group, rank order
  EXPECT_EQ(list[100], testing::NthCommonChar(250));  // its 101st entry
  EXPECT_EQ(list[101], testing::NthCommonChar(0));    // plain group
  EXPECT_EQ(list[201], testing::NthCommonChar(100));
  EXPECT_EQ(list[202], "马");  // the longer group is still listed
}

TEST_F(CharacterLookup, WordStartsSkipCharactersWithoutWordLists) {
  testing::FixtureDictionary d;
  int zhong = d.AddChar("中"), guo = d.AddChar("国"), zhu = d.AddChar("主");
  d.AddReading(zhong, "zhongs", kAttrSimplified | 1);
  d.AddReading(guo, "guos", kAttrSimplified | 1);
  d.AddReading(zhu, "zhud", kAttrSimplified | 2);  // numbered after every word's first char
  d.AddWord({zhong, guo});
  Load(d);
  ASSERT_EQ(SrfState.WordIndexCount, zhong);
  SrfState.UserWordCount = 1;
  SrfState.UserWordLengths[0] = 2;
  SrfState.UserWordKinds[0] = kUserWordKind;
  SrfState.UserWordCodes[0][0] = zhu;
  SrfState.UserWordCodes[0][1] = guo;
  AdvanceEngineGeneration();  // the user words were written by hand
  LookupPinyin("z");
  EXPECT_THAT(testing::LookupTexts(), ElementsAre("中", "主"));
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre("主国", "中国"));
  EXPECT_EQ(SrfState.FullListBuilt, 1);
}

TEST_F(CharacterLookup, SeveralSyllablesMatchNoRecord) {
  auto d = YDictionary();
  Load(d);
  EXPECT_THAT(Lookup("yiyi"), ElementsAre());
  EXPECT_THAT(Lookup("yix"), ElementsAre());
}

}  // namespace
}  // namespace dazi
