#include <gtest/gtest.h>

#include <set>

#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/SentenceEngine.h"
#include "tests/sentence/SentenceTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

TEST(SyllableOps, LongestSyllableTakesTheLongestPrefix) {
  EXPECT_EQ(LongestSyllable("zhuangan"), 6);
  EXPECT_EQ(LongestSyllable("xian"), 4);
  EXPECT_EQ(LongestSyllable("xiaoshi"), 4);
  EXPECT_EQ(LongestSyllable("ngx"), 2);
  EXPECT_EQ(LongestSyllable("iou"), 0);  // the group of i is empty
  EXPECT_EQ(LongestSyllable("wm"), 0);
}

TEST(SyllableOps, LeadingInitialsStopAtTheFirstSyllableOfTwoLetters) {
  EXPECT_EQ(CountLeadingInitials("wmyao"), 2);
  EXPECT_EQ(CountLeadingInitials("nltggongzuo"), 4);
  EXPECT_EQ(CountLeadingInitials("women"), 0);
  // a is a syllable of one letter only: it counts as an initial.
  EXPECT_EQ(CountLeadingInitials("ayi"), 1);
  EXPECT_EQ(CountLeadingInitials("xqz"), 3);
}

TEST(SyllableOps, SyllableBeginsWithLooksAtTwoLetters) {
  EXPECT_EQ(SyllableBeginsWith("ngx"), 2);
  EXPECT_EQ(SyllableBeginsWith("nx"), 0);
  EXPECT_EQ(SyllableBeginsWith("n"), 1);
  EXPECT_EQ(SyllableBeginsWith("iu"), 0);
  EXPECT_EQ(SyllableBeginsWith(""), 0);
}

TEST(SyllableOps, AppendSyllableCharUsesTheClassColumnAndTheStoredFirstSyllable) {
  testing::TempDataFolder folder;
  SrfState.WordSplitActive = 1;
  EXPECT_EQ(AppendSyllableChar("zhuangan"), 6);
  EXPECT_EQ(SrfState.WordSplitActive, 0);
  EXPECT_EQ(AppendSyllableChar("iou"), 1);
  EXPECT_EQ(AppendSyllableChar("v"), 1);
  SrfState.MethodClass = 1;
  EXPECT_EQ(AppendSyllableChar("xian"), 4);
  EXPECT_EQ(testing::SentenceCodeList(),
            (std::vector<int32>{testing::DefaultOf("zhuang"), testing::DefaultOf("jiang"),
                                testing::DefaultOf("wang"), testing::DefaultOf("xian", 1)}));
}

TEST(SyllableOps, DefaultsOfTheFourSyllablesWithoutOneAreRealCharacters) {
  // The tests tell syllables apart by their defaults, so these must differ too.
  std::set<int32> seen;
  for (const char* s : {"dei", "ng", "shei", "zhei", "xian", "zhuang", "jiang", "wang", "an"}) {
    EXPECT_GT(testing::DefaultOf(s), 0) << s;
    EXPECT_GT(testing::DefaultOf(s, 1), 0) << s;
    seen.insert(testing::DefaultOf(s));
  }
  EXPECT_EQ(seen.size(), 9u);
}

}  // namespace
}  // namespace dazi
