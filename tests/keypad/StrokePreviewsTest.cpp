// Next-stroke previews of the characters beyond the first page.
#include <gmock/gmock.h>

#include "engine/keypad/KeypadEngine.h"
#include "tests/keypad/KeypadFixture.h"

namespace dazi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StrokePreviews : public testing::KeypadTest {
 protected:
  bool AllEmpty() const {
    for (int d = 1; d <= 6; ++d)
      if (!Previews(d).empty()) return false;
    return true;
  }
};

TEST_F(StrokePreviews, ShowTheNextStrokeOfTheCharactersBeyondPageOne) {
  for (const char* name : {"甲", "乙", "丙", "丁"}) Char(name, {"1"});
  Char("戊", {"12"});
  Char("己", {"15"});
  Char("庚", {"12"});
  Char("辛", {"1"});
  Char("壬", {"16"});
  Char("癸", {"12"});
  Char("子", {"12"});
  Char("丑", {"12"});
  Load();
  Type("1");
  EXPECT_THAT(Previews(2), ElementsAre("戊", "庚", "癸", "子"));
  EXPECT_THAT(Previews(5), ElementsAre("己"));
  EXPECT_THAT(Previews(6), ElementsAre("壬"));
  EXPECT_THAT(Previews(1), IsEmpty());
}

TEST_F(StrokePreviews, EmptyWithFourResultsOrFewer) {
  for (const char* name : {"甲", "乙", "丙", "丁"}) Char(name, {"12"});
  Load();
  Type("1");
  EXPECT_TRUE(AllEmpty());
}

TEST_F(StrokePreviews, EmptyAtEightStrokes) {
  for (const char* name : {"甲", "乙", "丙", "丁", "戊", "己"}) Char(name, {"12345612"});
  Load();
  Type("1234561");
  EXPECT_THAT(Previews(2), ElementsAre("戊", "己"));
  Type("12345612");
  EXPECT_EQ(SrfState.ResultCount, 6);
  EXPECT_TRUE(AllEmpty());
  Type("123456121");
  EXPECT_TRUE(AllEmpty());
}

TEST_F(StrokePreviews, StopAtTheFirstVariantEntry) {
  for (const char* name : {"甲", "乙", "丙", "丁"}) Char(name, {"123"});
  for (const char* name : {"戊", "庚", "辛", "壬", "子"}) Char(name, {"124"});
  Char("己", {"21", "125"});
  Load();
  Type("12");
  // The four passed over at one stroke follow the first page; the variant match closes.
  ASSERT_THAT(Results(),
              ElementsAre("戊", "庚", "辛", "壬", "甲", "乙", "丙", "丁", "子", "己/v1"));
  EXPECT_THAT(Previews(3), ElementsAre("甲", "乙", "丙", "丁"));
  EXPECT_THAT(Previews(4), ElementsAre("子"));
  EXPECT_THAT(Previews(5), IsEmpty());
}

}  // namespace
}  // namespace dazi
