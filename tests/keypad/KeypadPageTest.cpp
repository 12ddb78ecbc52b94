// The keypad candidate page: punctuation pages, what each slot carries, the first-page memory
// and follow-on words.
#include <gmock/gmock.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/keypad/KeypadEngine.h"
#include "tests/keypad/KeypadFixture.h"

namespace dazi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Utf8;

class KeypadPage : public testing::KeypadTest {};

TEST_F(KeypadPage, PunctuationPages) {
  Char("人", {"34"});
  Load();
  Type("34");
  Press('/');
  EXPECT_THAT(Slots(), ElementsAre("，", "、", "：", "．"));
  EXPECT_EQ(SrfState.ResultCount, 12);
  ShowPage(2);
  EXPECT_THAT(Slots(), ElementsAre("【", "】", "｛", "｝"));
  ShowPage(3);
  EXPECT_THAT(Slots(), IsEmpty());
  Press('*');
  EXPECT_THAT(Slots(), ElementsAre("。", "；", "？", "！"));
  ShowPage(2);
  EXPECT_THAT(Slots(), ElementsAre("…", "～", "－", "｜"));
  // A mark is a defined character-kind slot without any character number behind it.
  for (int i = 0; i < SrfState.CandidateCount; ++i) {
    EXPECT_EQ(SrfState.CandidateKinds[i], kCharacterKind);
    EXPECT_EQ(SrfState.CandidateIds[i], 0);
    EXPECT_EQ(SrfState.CandidateFirstCodes[i], 0);
    EXPECT_EQ(SrfState.CandidateCharCounts[i], 0);
    EXPECT_EQ(Utf8(SrfState.CandidateOutputs[i]), Slots()[static_cast<std::size_t>(i)]);
  }
  // Marks are not characters: no page of punctuation is remembered as a first page.
  EXPECT_EQ(SrfState.FirstPageCounts[0], 0);
}

TEST_F(KeypadPage, SlotsCarryCharacterAndWordData) {
  const int zhong = Char("中", {"2512", "2513"});
  const int guo = Char("国", {"2511"});
  dict_.Source().chars[static_cast<std::size_t>(zhong - 1)].gloss = "middle";
  dict_.Source().chars[static_cast<std::size_t>(zhong - 1)].dictText = GbkFromUtf8("中心");
  dict_.AddWord({guo, zhong}, true, false, 0, 0, "the middle of the country");
  dict_.AddWord({zhong, guo}, true, false, 0, 0, "China");
  Load();
  Jump("25");
  ASSERT_THAT(Slots(), ElementsAre("中", "国", "中", "中国"));
  const TLumiskCand& s = SrfState;
  EXPECT_EQ(s.CandidateKinds[0], kCharacterKind);
  EXPECT_EQ(s.CandidateGlosses[0], "middle");
  EXPECT_EQ(Utf8(s.CandidateDictTexts[0]), "中心");
  // The variant match keeps its kind and is a character: id, first code and codes are 中.
  EXPECT_EQ(s.CandidateKinds[2], CodeVariantKind(1));
  EXPECT_EQ(s.CandidateIds[2], zhong);
  EXPECT_EQ(s.CandidateFirstCodes[2], zhong);
  EXPECT_EQ(s.CandidateCharCounts[2], 1);
  EXPECT_EQ(s.CandidateCharCodes[2][0], zhong);
  EXPECT_EQ(s.CandidateGlosses[2], "middle");
  EXPECT_TRUE(IsKeypadCharacterKind(s.CandidateKinds[2]));
  // A dictionary word: pool index, its characters and its own gloss.
  EXPECT_EQ(s.CandidateKinds[3], kDictionaryWordKind);
  EXPECT_EQ(s.CandidateIds[3], 0);
  EXPECT_EQ(s.CandidateFirstCodes[3], zhong);
  EXPECT_EQ(s.CandidateCharCounts[3], 2);
  EXPECT_EQ(s.CandidateCharCodes[3][1], guo);
  EXPECT_EQ(s.CandidateGlosses[3], "China");
  EXPECT_TRUE(s.CandidateDictTexts[3].empty());
  ShowPage(1);
  EXPECT_THAT(Slots(), ElementsAre("国中"));
  EXPECT_EQ(s.CandidateIds[0], 1);
  EXPECT_EQ(s.CandidateGlosses[0], "the middle of the country");
  EXPECT_TRUE(s.CandidateDictTexts[0].empty());
}

TEST_F(KeypadPage, FirstPageIsRememberedOnlyFromPageZero) {
  const char* names[] = {"甲", "乙", "丙", "丁", "戊", "己"};
  std::vector<int> chars;
  for (const char* name : names) chars.push_back(Char(name, {"123"}));
  Load();
  Type("1");
  const TLumiskCand& s = SrfState;
  ASSERT_EQ(s.FirstPageCounts[0], 4);
  EXPECT_EQ(s.FirstPageChars[0][3], chars[3]);
  EXPECT_EQ(s.FirstPageStrokes[0][3], "12300000");
  ShowPage(1);
  EXPECT_THAT(Slots(), ElementsAre("戊", "己"));
  EXPECT_EQ(s.FirstPageCounts[0], 4);
  EXPECT_EQ(s.FirstPageChars[0][0], chars[0]);
  // Paging on and then typing on still moves the characters of page 0 behind.
  Press('2');
  EXPECT_THAT(Results(), ElementsAre("戊", "己", "甲", "乙", "丙", "丁"));
}

TEST_F(KeypadPage, FollowOnWordsFillThePageAfterAChoice) {
  const int zhong = Char("中", {"2512"});
  const int guo = Char("国", {"2511"});
  const int ren = Char("人", {"34"});
  dict_.AddWord({zhong, guo});
  dict_.AddWord({zhong, guo, ren});
  dict_.AddWord({zhong, ren});
  Load();
  Type("2512");
  TLumiskCand& s = SrfState;
  // What the choice handler does after choosing 中.
  s.PageIndex = 0;
  s.AssocPrefix[0] = zhong;
  s.AssocPrefixLength = 1;
  OfferKeypadFollowOnWords(zhong);
  EXPECT_THAT(Slots(), ElementsAre("中国", "中国人", "中人"));
  EXPECT_EQ(s.CandidateKinds[1], kFollowOnWordKind);
  EXPECT_EQ(Utf8(s.CandidateOutputs[1]), "国人");
  EXPECT_EQ(s.CandidateCharCounts[1], 2);
  EXPECT_EQ(s.CandidateCharCodes[1][0], guo);
  EXPECT_EQ(s.CandidateCharCodes[1][1], ren);
  ShowPage(1);
  EXPECT_THAT(Slots(), IsEmpty());
}

TEST_F(KeypadPage, OutOfRangePagesFillNothing) {
  Char("人", {"34"});
  Load();
  Type("3");
  ShowPage(-1);
  EXPECT_THAT(Slots(), IsEmpty());
  ShowPage(1 << 30);
  EXPECT_THAT(Slots(), IsEmpty());
}

}  // namespace
}  // namespace dazi
