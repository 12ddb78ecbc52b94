#include "engine/pinyin/SyllableTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace dazi {
namespace {

TEST(SyllableTableTest, HoldsTheSyllablesOnceEachInLetterGroups) {
  std::set<std::string> seen;
  for (int i = 0; i < kSyllableCount; ++i)
    EXPECT_TRUE(seen.insert(SyllableTable[i]).second) << SyllableTable[i];
  EXPECT_EQ(seen.size(), 405u);
  EXPECT_TRUE(seen.count("ng"));
  EXPECT_TRUE(seen.count("lve"));
  EXPECT_STREQ(SyllableTable[0], "ang");
  EXPECT_STREQ(SyllableTable[127], "jiang");
  EXPECT_STREQ(SyllableTable[330], "wang");
  EXPECT_STREQ(SyllableTable[404], "zu");
}

TEST(SyllableTableTest, RangesCoverEachLetterAndEmptyGroupsPointAhead) {
  int covered = 0;
  for (int letter = 0; letter < 26; ++letter) {
    const int first = SyllableRanges[letter][0], last = SyllableRanges[letter][1];
    for (int i = first; i <= last; ++i) EXPECT_EQ(SyllableTable[i][0], 'a' + letter) << i;
    if (last >= first) covered += last - first + 1;
  }
  EXPECT_EQ(covered, kSyllableCount);
  EXPECT_EQ(SyllableRanges['i' - 'a'][0], 127);
  EXPECT_EQ(SyllableRanges['i' - 'a'][1], 0);
  EXPECT_EQ(SyllableRanges['u' - 'a'][0], 330);
  EXPECT_EQ(SyllableRanges['v' - 'a'][0], 330);
  EXPECT_EQ(SyllableRanges['v' - 'a'][1], 0);
}

TEST(SyllableTableTest, LongerSyllablesStandBeforeTheirPrefixes) {
  for (int letter = 0; letter < 26; ++letter) {
    for (int i = SyllableRanges[letter][0]; i <= SyllableRanges[letter][1]; ++i) {
      for (int j = SyllableRanges[letter][0]; j < i; ++j) {
        const std::string earlier = SyllableTable[j], later = SyllableTable[i];
        EXPECT_FALSE(later.size() > earlier.size() &&
                     later.compare(0, earlier.size(), earlier) == 0)
            << later << " follows its prefix " << earlier;
      }
    }
  }
}

TEST(SyllableTableTest, FindsWholeSyllablesOnly) {
  EXPECT_EQ(FindSyllable("zhuang", 6), 368);
  EXPECT_EQ(FindSyllable("a", 1), 4);
  EXPECT_EQ(FindSyllable("zhua", 4), 380);
  EXPECT_EQ(FindSyllable("zhuangx", 7), -1);
  EXPECT_EQ(FindSyllable("i", 1), -1);
  EXPECT_EQ(FindSyllable("r", 1), -1);
  EXPECT_EQ(FindSyllable("", 0), -1);
}

}  // namespace
}  // namespace dazi
