// The ways a run of letters can be cut: every syllable at a letter, breaks, runs of initials
// as the rules read them, and an unfinished last syllable.
#include <gmock/gmock.h>

#include "engine/model/PinyinLattice.h"
#include "engine/pinyin/SyllableTable.h"

namespace dazi::testing {
namespace {

using model::PinyinLattice;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> SyllablesAt(const PinyinLattice& l, std::size_t pos) {
  std::vector<std::string> out;
  for (const auto& m : l.SyllablesAt(pos)) out.push_back(SyllableTable[m.syllable]);
  return out;
}

std::vector<std::string> Unfinished(const PinyinLattice& l, std::size_t pos) {
  std::vector<std::string> out;
  for (int s : l.UnfinishedSyllables(pos)) out.push_back(SyllableTable[s]);
  return out;
}

TEST(PinyinLattice, EverySyllableAtALetterLongestFirstAndBreaksEndThem) {
  PinyinLattice l;
  l.SetText("xian");
  EXPECT_THAT(SyllablesAt(l, 0), ElementsAre("xian", "xia", "xi"));
  EXPECT_THAT(SyllablesAt(l, 2), ElementsAre("an", "a"));
  EXPECT_THAT(SyllablesAt(l, 3), IsEmpty());
  l.SetText("xian", {false, false, true});  // xi'an
  EXPECT_THAT(SyllablesAt(l, 0), ElementsAre("xi"));
  l.SetText("zhuangtai");
  EXPECT_THAT(SyllablesAt(l, 0), ElementsAre("zhuang", "zhuan", "zhua", "zhu"));
  EXPECT_THAT(SyllablesAt(l, 6), ElementsAre("tai", "ta"));
}

TEST(PinyinLattice, RunsOfInitialsAreThoseOfTheRules) {
  struct Case {
    const char* text;
    std::size_t pos;
    std::size_t runEnd;  // pos itself: no run begins there
  };
  const Case cases[] = {
      {"wmxx", 0, 4},    {"wmxx", 2, 4}, {"wmen", 0, 0},  // m begins "men": w alone is no run
      {"nihaowm", 5, 7}, {"zhg", 0, 3},                   // "zh" is no syllable: three initials
      {"shiqshi", 3, 3},                                  // a lone initial between syllables
  };
  for (const Case& c : cases) {
    PinyinLattice l;
    l.SetText(c.text);
    EXPECT_EQ(l.InInitialsRun(c.pos) ? l.InitialsRunEnd(c.pos) : c.pos, c.runEnd)
        << c.text << " from letter " << c.pos;
  }
  PinyinLattice l;
  l.SetText("shiqshi");
  EXPECT_TRUE(l.BeginsNoSyllable(3));
  EXPECT_FALSE(l.BeginsNoSyllable(4));
  l.SetText("wm", {false, true});  // w'm: two lone initials
  EXPECT_FALSE(l.InInitialsRun(0));
}

TEST(PinyinLattice, AnUnfinishedLastSyllable) {
  PinyinLattice l;
  l.SetText("zhongg");
  EXPECT_THAT(Unfinished(l, 5),
              ElementsAre("guang", "geng", "gong", "guai", "guan", "gang", "gao", "gei", "gai",
                          "gan", "gua", "gou", "gen", "gui", "gun", "guo", "gu", "ga", "ge"));
  EXPECT_THAT(Unfinished(l, 0), IsEmpty());  // the whole text is longer than a syllable
  l.SetText("xianzhon");
  EXPECT_THAT(Unfinished(l, 4), ElementsAre("zhong"));
  l.SetText("xia");  // a whole syllable is not unfinished
  EXPECT_THAT(Unfinished(l, 0), IsEmpty());
  l.SetText("woi");  // i begins no syllable at all
  EXPECT_THAT(Unfinished(l, 2), IsEmpty());
}

}  // namespace
}  // namespace dazi::testing
