// The merged result list and the candidate slots: characters with glosses and dictionary
// texts, words, follow-on words, and the page arithmetic of results and follow-on words.
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

using dictwriter::kAttrSimplified;
using ::testing::ElementsAre;
using testing::Gbk;

class ResultPage : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    zhong_ = d.AddChar("中");
    guo_ = d.AddChar("国");
    jian_ = d.AddChar("间");
    wen_ = d.AddChar("文");
    ren_ = d.AddChar("人");
    d.AddReading(zhong_, "zhongs", kAttrSimplified | 1);
    d.AddReading(guo_, "guos", kAttrSimplified | 1);
    d.AddReading(jian_, "jians", kAttrSimplified | 1);
    d.AddReading(wen_, "wend", kAttrSimplified | 1);
    d.AddReading(ren_, "renp", kAttrSimplified | 1);
    d.Source().chars[static_cast<std::size_t>(zhong_ - 1)].gloss = "middle; centre";
    d.Source().chars[static_cast<std::size_t>(zhong_ - 1)].dictText = Gbk("中央");
    std::vector<int> fifty{zhong_}, forty{zhong_};
    for (int n = 0; n < 49; ++n) {
      int c = d.AddChar(testing::NthCommonChar(n));
      fifty.push_back(c);
      if (n < 39) forty.push_back(c);
    }
    d.AddWord({zhong_, ren_}, false, true, 0, 0, "traditional only");
    d.AddWord({zhong_, guo_}, true, false, 0, 0, "China");
    d.AddWord({zhong_, jian_}, true, false, 0, 0);
    d.AddWord({zhong_, wen_}, true, false, 0, 0, "Chinese");
    d.AddWord(fifty, true, false, 0, 0, "fifty");
    d.AddWord(forty, true, false, 0, 0, "forty");
    d.AddWord({zhong_, guo_, ren_}, true, false, 0, 0, "Chinese person");
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  // Pool index of the word with this text, or -1.
  static int32 PoolIndex(const std::string& text) {
    for (int32 w = 0; w < SrfState.WordPoolCount; ++w)
      if (testing::PoolWordText(w) == text) return w;
    return -1;
  }
  int32 zhong_ = 0, guo_ = 0, jian_ = 0, wen_ = 0, ren_ = 0;
  testing::TempDataFolder folder_;
};

TEST_F(ResultPage, MergeListsCharactersThenWordsAndKeepsThePage) {
  SrfState.InputText = "z";
  LookupPinyin("z");
  SrfState.PageIndex = 2;
  MergeResults();
  EXPECT_EQ(SrfState.PageIndex, 2);
  ASSERT_EQ(SrfState.ResultCount, 1 + 5);
  EXPECT_EQ(SrfState.ResultIds[0], zhong_);
  EXPECT_EQ(SrfState.ResultKinds[0], kCharacterKind);
  for (int k = 1; k < 6; ++k) {
    EXPECT_EQ(SrfState.ResultIds[k], SrfState.WordResults[k - 1]);
    EXPECT_EQ(SrfState.ResultKinds[k], kDictionaryWordKind);
  }
}

TEST_F(ResultPage, CharacterSlotCarriesGlossAndDictionaryText) {
  testing::TypeLetters("z");
  ASSERT_EQ(SrfState.CandidateCount, 6);
  EXPECT_EQ(SrfState.CandidateKinds[0], kCharacterKind);
  EXPECT_EQ(SrfState.CandidateIds[0], zhong_);
  EXPECT_EQ(SrfState.CandidateFirstCodes[0], zhong_);
  EXPECT_EQ(SrfState.CandidateCharCounts[0], 1);
  EXPECT_EQ(SrfState.CandidateCharCodes[0][0], zhong_);
  EXPECT_EQ(SrfState.CandidateTexts[0], Gbk("中"));
  EXPECT_EQ(SrfState.CandidateOutputs[0], Gbk("中"));
  EXPECT_EQ(SrfState.CandidateGlosses[0], "middle; centre");
  EXPECT_EQ(SrfState.CandidateDictTexts[0], Gbk("中央"));
}

TEST_F(ResultPage, WordSlotsCarryTheirGlossOnlyWithAGlossNumber) {
  SrfState.UserWordCount = 1;
  SrfState.UserWordLengths[0] = 2;
  SrfState.UserWordKinds[0] = kUserWordKind;
  SrfState.UserWordCodes[0][0] = zhong_;
  SrfState.UserWordCodes[0][1] = ren_;
  AdvanceEngineGeneration();  // the user words were written by hand
  testing::TypeLetters("z");
  ASSERT_EQ(SrfState.CandidateCount, 7);
  auto texts = testing::SlotTexts();
  EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 5),
              ElementsAre("中", "中人", "中国", "中间", "中文"));
  EXPECT_EQ(texts[6], "中国人");
  EXPECT_EQ(SrfState.CandidateKinds[1], kUserWordKind);
  EXPECT_EQ(SrfState.CandidateGlosses[1], "");
  EXPECT_EQ(SrfState.CandidateKinds[2], kDictionaryWordKind);
  EXPECT_EQ(SrfState.CandidateIds[2], PoolIndex("中国"));
  EXPECT_EQ(SrfState.CandidateFirstCodes[2], zhong_);
  EXPECT_EQ(SrfState.CandidateCharCounts[2], 2);
  EXPECT_EQ(SrfState.CandidateCharCodes[2][1], guo_);
  EXPECT_EQ(SrfState.CandidateOutputs[2], Gbk("中国"));
  // The traditional 中人 before it is skipped but still numbered.
  EXPECT_EQ(SrfState.CandidateGlosses[2], "China");
  EXPECT_EQ(SrfState.CandidateGlosses[3], "");
  EXPECT_EQ(SrfState.CandidateGlosses[4], "Chinese");
  EXPECT_EQ(SrfState.CandidateGlosses[6], "Chinese person");
  for (int s = 1; s < 7; ++s) EXPECT_EQ(SrfState.CandidateDictTexts[s], "") << s;
}

TEST_F(ResultPage, LongWordsAreCutToThirtyThreeCharacters) {
  testing::TypeLetters("z");
  // The fifty-character word does not fit a pool entry; the forty-character one is cut.
  ASSERT_EQ(SrfState.CandidateCount, 6);
  EXPECT_EQ(SrfState.CandidateCharCounts[4], 33);
  EXPECT_EQ(SrfState.CandidateTexts[4].size(), 66u);
  EXPECT_EQ(SrfState.CandidateOutputs[4].size(), 66u);
  EXPECT_EQ(SrfState.CandidateCharCodes[4][32],
            SrfState.WordPoolCodes[SrfState.CandidateIds[4]][32]);
  EXPECT_EQ(SrfState.CandidateGlosses[4], "forty");
}

TEST_F(ResultPage, FollowOnWordsCommitOnlyTheirContinuation) {
  testing::TypeLetters("z");
  SrfState.ResultCount = 0;
  SrfState.AssocPrefix[0] = zhong_;
  SrfState.AssocPrefixLength = 1;
  SrfState.AssociationList[0] = PoolIndex("中国");
  SrfState.AssociationList[1] = PoolIndex("中间");
  SrfState.AssociationList[2] = PoolIndex("中文");
  SrfState.AssociationCount = 3;
  SrfState.CandidatesPerPage = 10;
  SrfState.PageIndex = 0;
  SrfState.InputText.clear();
  BuildCandidatePage();
  EXPECT_THAT(testing::SlotTexts(), ElementsAre("中国", "中间", "中文"));
  EXPECT_THAT(testing::SlotOutputs(), ElementsAre("国", "间", "文"));
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(SrfState.CandidateKinds[s], kFollowOnWordKind);
    EXPECT_EQ(SrfState.CandidateIds[s], SrfState.AssociationList[s]);
    EXPECT_EQ(SrfState.CandidateCharCounts[s], 1);
    EXPECT_EQ(SrfState.CandidateDictTexts[s], "");
  }
  EXPECT_EQ(SrfState.CandidateCharCodes[0][0], guo_);
  EXPECT_EQ(SrfState.CandidateGlosses[0], "China");

  SrfState.AssocPrefix[1] = guo_;
  SrfState.AssocPrefixLength = 2;
  SrfState.AssociationList[0] = PoolIndex("中国人");
  SrfState.AssociationCount = 1;
  BuildCandidatePage();
  EXPECT_THAT(testing::SlotOutputs(), ElementsAre("人"));
  EXPECT_EQ(SrfState.CandidateCharCodes[0][0], ren_);
}

TEST_F(ResultPage, FollowOnOutputStopsAtSixtyBytes) {
  testing::TypeLetters("z");
  SrfState.ResultCount = 0;
  SrfState.AssocPrefix[0] = zhong_;
  SrfState.AssocPrefixLength = 1;
  SrfState.AssociationList[0] = PoolIndex("中国");  // a placeholder, replaced below
  for (int32 w = 0; w < SrfState.WordPoolCount; ++w)
    if (SrfState.WordPoolLengths[w] == 40) SrfState.AssociationList[0] = w;
  SrfState.AssociationCount = 1;
  SrfState.CandidatesPerPage = 10;
  SrfState.InputText.clear();
  BuildCandidatePage();
  ASSERT_EQ(SrfState.CandidateCount, 1);
  EXPECT_EQ(SrfState.CandidateTexts[0].size(), 80u);
  EXPECT_EQ(SrfState.CandidateOutputs[0].size(), 60u);
  EXPECT_EQ(SrfState.CandidateCharCounts[0], 33);
}

// Three result entries and 25 follow-on words on pages of ten.
class ResultAndFollowOnPages : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    int first = d.AddChar("中");
    d.AddReading(first, "zhongs", kAttrSimplified | 1);
    for (int n = 0; n < 25; ++n) d.AddWord({first, d.AddChar(testing::NthCommonChar(n))});
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
    testing::TypeLetters("z");
    ASSERT_EQ(SrfState.WordPoolCount, 25);
    SrfState.InputText = "zhong";
    SrfState.ResultCount = 3;
    for (int k = 0; k < 3; ++k) {
      SrfState.ResultIds[k] = first;
      SrfState.ResultKinds[k] = kCharacterKind;
    }
    for (int k = 0; k < 25; ++k) SrfState.AssociationList[k] = 24 - k;
    SrfState.AssociationCount = 25;
    SrfState.AssocPrefix[0] = first;
    SrfState.AssocPrefixLength = 1;
  }
  // The follow-on numbers (positions in AssociationList) shown on page p.
  std::vector<int> FollowOnsOnPage(int p) {
    SrfState.PageIndex = p;
    BuildCandidatePage();
    std::vector<int> shown;
    for (int s = 0; s < SrfState.CandidateCount; ++s)
      if (SrfState.CandidateKinds[s] == kFollowOnWordKind)
        shown.push_back(24 - SrfState.CandidateIds[s]);
    return shown;
  }
  testing::TempDataFolder folder_;
};

TEST_F(ResultAndFollowOnPages, ResultsFirstThenFollowOnsFromThePagesStart) {
  EXPECT_THAT(FollowOnsOnPage(0), ElementsAre(0, 1, 2, 3, 4, 5, 6));
  EXPECT_EQ(SrfState.CandidateCount, 10);
  EXPECT_EQ(SrfState.CandidateKinds[2], kCharacterKind);
  EXPECT_THAT(FollowOnsOnPage(1), ElementsAre(10, 11, 12, 13, 14, 15, 16, 17, 18, 19));
  EXPECT_THAT(FollowOnsOnPage(2), ElementsAre(20, 21, 22, 23, 24));
  EXPECT_THAT(FollowOnsOnPage(3), ElementsAre());
  EXPECT_EQ(SrfState.CandidateCount, 0);
}

}  // namespace
}  // namespace dazi
