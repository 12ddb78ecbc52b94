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
  for (const char* name : {"甲", "乙", "丙", "丁"}) Char(name, {"12345613"});
  for (const char* name : {"戊", "己", "庚", "辛", "壬"}) Char(name, {"12345612"});
  Load();
  Type("1234561");
  EXPECT_THAT(Previews(2), ElementsAre("戊", "己", "庚", "辛"));
  Type("12345612");
  EXPECT_EQ(SrfState.ResultCount, 5);
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
  // 123 is the whole code of the four passed over: they keep their places there.
  EXPECT_THAT(Previews(3), ElementsAre("甲", "乙", "丙", "丁"));
  // At 124 the four on show keep theirs, so 子 would only come on the second page.
  EXPECT_THAT(Previews(4), IsEmpty());
  // Only code variants match 125: no preview.
  EXPECT_THAT(Previews(5), IsEmpty());
}

// A preview promises the first page of its key: a character passed over at one stroke and
// passed over again must not be shown (上 on key 1 of 21, then on the second page of 211).
TEST_F(StrokePreviews, ShowOnlyWhatTheNextFirstPageShows) {
  Char("甲", {"21134"});
  for (const char* name : {"乙", "丙", "丁"}) Char(name, {"2155"});
  for (const char* name : {"戊", "己", "庚", "辛"}) Char(name, {"21111"});
  for (const char* name : {"壬", "癸", "子", "丑"}) Char(name, {"21112"});
  Load();
  Type("21");
  ASSERT_THAT(Slots(), ElementsAre("戊", "己", "庚", "辛"));
  EXPECT_THAT(Previews(1), ElementsAre("壬", "癸", "子", "丑"));
  // Passed over but alone on 215, they fill its first page.
  EXPECT_THAT(Previews(5), ElementsAre("乙", "丙", "丁"));
  for (int d = 1; d <= 6; ++d) {
    const std::vector<std::string> previews = Previews(d);
    Type("21" + std::to_string(d));
    for (const std::string& preview : previews)
      EXPECT_THAT(Slots(), ::testing::Contains(preview)) << "key " << d;
    Type("21");
  }
}

}  // namespace
}  // namespace dazi
