// Words typed by strokes: gathered at two strokes, filtered by their stroke keys from three.
#include <gmock/gmock.h>

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/keypad/KeypadEngine.h"
#include "tests/keypad/KeypadFixture.h"

namespace dazi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StrokeWords : public testing::KeypadTest {
 protected:
  void SetUp() override {
    using dictwriter::kStrokeSimplified;
    using dictwriter::kStrokeVariant;
    const std::uint8_t both = kStrokeSimplified | kStrokeVariant;
    zhong_ = Char("中", {"2512"}, both);
    kou_ = Char("口", {"251"}, both);
    guo_ = Char("国", {"2511"}, both);
    ren_ = Char("人", {"34"}, both);
    min_ = Char("民", {"5155"}, both);
    // Added out of character order: the lists keep each character's words together.
    dict_.AddWord({guo_, ren_});
    dict_.AddWord({zhong_, guo_}, true, false, 5);
    dict_.AddWord({kou_, ren_});
    dict_.AddWord({zhong_, min_});
    dict_.AddWord({zhong_, guo_, ren_});
  }

  int zhong_ = 0, kou_ = 0, guo_ = 0, ren_ = 0, min_ = 0;
};

TEST_F(StrokeWords, AtTwoStrokesWordsFollowAllCharactersGroupedByCharacter) {
  Load();
  AddUserWord({kou_, min_});
  AddLearnedWord({guo_, min_});
  Type("25");
  EXPECT_THAT(Results(), ElementsAre("中", "口", "国", "中国:dict", "中民:dict", "中国人:dict",
                                     "口人:dict", "国人:dict"));
  // User and learned words are in the pool already, but not offered yet.
  EXPECT_EQ(SrfState.WordPoolCount, 7);
  EXPECT_EQ(SrfState.WordPoolKinds[0], kUserWordKind);
  EXPECT_EQ(SrfState.WordPoolKinds[1], kLearnedWordKind);
}

TEST_F(StrokeWords, UserAndLearnedWordsMatchFromTheThirdStroke) {
  Load();
  AddUserWord({kou_, min_});
  AddLearnedWord({guo_, min_});
  Type("255");
  // Pool order inside a group: user-lexicon, learned, then dictionary words.
  EXPECT_THAT(Results(), ElementsAre("口民:user", "国民:learned", "中民:dict"));
  Type("2551");
  EXPECT_THAT(Results(), ElementsAre("口民:user", "国民:learned", "中民:dict"));
  Type("25516");
  EXPECT_THAT(Results(), IsEmpty());
}

TEST_F(StrokeWords, TwoCharacterWordCompletesFromTheThirdStroke) {
  Load();
  Type("252");
  // 中国 is complete (group 5) and comes before the partial 中国人 (group 0).
  EXPECT_THAT(Results(), ElementsAre("中国:dict", "中国人:dict"));
  EXPECT_EQ(SrfState.ResultStrokes[0], "");
  Type("2523");
  EXPECT_THAT(Results(), ElementsAre("中国人:dict"));
  Type("25234");
  EXPECT_THAT(Results(), ElementsAre("中国人:dict"));
  Type("252341");
  EXPECT_THAT(Results(), IsEmpty());
  // Going back to two strokes gathers the pool afresh.
  Type("34");
  EXPECT_THAT(Results(), ElementsAre("人"));
  EXPECT_EQ(SrfState.WordPoolCount, 0);
}

TEST_F(StrokeWords, VariantClassOffersNoDictionaryWords) {
  Load(5);
  AddUserWord({kou_, min_});
  Type("25");
  EXPECT_THAT(Results(), ElementsAre("中", "口", "国"));
  EXPECT_EQ(SrfState.WordPoolCount, 1);
  Type("255");
  EXPECT_THAT(Results(), ElementsAre("口民:user"));
}

TEST_F(StrokeWords, TraditionalClassOffersTraditionalWords) {
  dict_.AddWord({kou_, guo_}, false, true);
  for (auto& list : dict_.Source().strokeLists)
    for (auto& entry : list) entry.classBits = dictwriter::kStrokeTraditional;
  Load(4);
  Type("25");
  EXPECT_THAT(Results(), ElementsAre("中", "口", "国", "口国:dict"));
}

// A two-stroke pool larger than the pool holds: gathering stops when it is full, keeping the
// words of the characters that come first in the list, and the results stay within theirs.
TEST_F(StrokeWords, TwoStrokePoolStopsWhenFull) {
  constexpr int kChars = 2100;
  constexpr int kWordsEach = 4;
  std::vector<int> chars;
  for (int i = 0; static_cast<int>(chars.size()) < kChars; ++i) {
    const std::string gbk{static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
    const int n = Char(Utf8FromGbk(gbk), {"121"});
    chars.push_back(n);
    for (int w = 0; w < kWordsEach; ++w) dict_.AddWord({n, n}, true, false, w);
  }
  Load();
  Type("12");
  const TLumiskCand& s = SrfState;
  ASSERT_EQ(s.WordPoolCount, kWordPoolCapacity);
  EXPECT_EQ(s.ResultCount, kResultCapacity);
  for (int w = 1; w < s.WordPoolCount; ++w)
    ASSERT_LE(s.WordPoolCodes[w - 1][0], s.WordPoolCodes[w][0]);
  // 8001 words: the four words of each of the first 2000 characters and one of the next.
  EXPECT_EQ(s.WordPoolCodes[0][0], chars[0]);
  EXPECT_EQ(s.WordPoolCodes[kWordPoolCapacity - 1][0], chars[2000]);
  EXPECT_EQ(s.ResultKinds[kChars - 1], kCharacterKind);
  EXPECT_EQ(s.ResultKinds[kChars], kDictionaryWordKind);
  EXPECT_EQ(s.ResultIds[kChars], 0);

  // Each group's bucket holds about 2000 matches; together they pass the result capacity.
  Type("121");
  EXPECT_EQ(s.ResultCount, kResultCapacity);
  EXPECT_EQ(s.ResultIds[kChars], 0);
  EXPECT_EQ(s.ResultIds[kChars + 2001], 1);
  EXPECT_EQ(s.WordPoolGroups[s.ResultIds[kResultCapacity - 1]], 3);
}

class CrowdedStrokeWords : public testing::KeypadTest {};

TEST_F(CrowdedStrokeWords, FullGroupKeepsItsFirstMatches) {
  const int n = Char("口", {"251"});
  for (int w = 0; w < 3500; ++w) dict_.AddWord({n, n});
  Load();
  Type("252");
  const TLumiskCand& s = SrfState;
  ASSERT_EQ(s.WordPoolCount, 3500);
  EXPECT_EQ(s.ResultCount, 3001);
  EXPECT_EQ(s.ResultIds[3000], 3000);
}

}  // namespace
}  // namespace dazi
