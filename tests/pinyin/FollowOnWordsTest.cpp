// Follow-on words after a choice and the next-character prediction from their snapshot.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;
using ::testing::ElementsAre;

class FollowOnWords : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    for (const char* t : {"中", "国", "华", "人", "民", "文", "心", "间", "任"})
      c_[t] = d.AddChar(t);
    d.AddReading(c_["中"], "zhongs", kAttrSimplified | 1);
    d.AddReading(c_["任"], "renp", kAttrSimplified | 1);
    d.AddReading(c_["人"], "renp", kAttrSimplified | 2);
    d.AddWord(Codes({"中", "国"}));
    d.AddWord(Codes({"中", "华", "人", "民"}));
    d.AddWord(Codes({"中", "国", "人"}));
    d.AddWord(Codes({"中", "文"}));
    d.AddWord(Codes({"中", "华"}));
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
    SrfState.CandidatesPerPage = 10;
  }
  std::vector<int> Codes(std::initializer_list<const char*> texts) {
    std::vector<int> codes;
    for (const char* t : texts) codes.push_back(c_.at(t));
    return codes;
  }
  void SetPrefix(std::initializer_list<const char*> texts) {
    SrfState.AssocPrefixLength = 0;
    for (const char* t : texts) SrfState.AssocPrefix[SrfState.AssocPrefixLength++] = c_.at(t);
  }
  std::vector<std::string> Associations() const {
    std::vector<std::string> out;
    for (int k = 0; k < SrfState.AssociationCount; ++k)
      out.push_back(testing::PoolWordText(SrfState.AssociationList[k]));
    return out;
  }
  std::vector<std::string> Predicted() const {
    std::vector<std::string> out;
    for (int k = 0; k < SrfState.PredictedCharCount; ++k)
      out.push_back(testing::Utf8(CharText(SrfState.PredictedChars[k])));
    return out;
  }
  void AddUserWord(std::initializer_list<const char*> texts) {
    int u = SrfState.UserWordCount++;
    int j = 0;
    for (const char* t : texts) SrfState.UserWordCodes[u][j++] = c_.at(t);
    SrfState.UserWordLengths[u] = j;
    SrfState.UserWordKinds[u] = kUserWordKind;
    AdvanceEngineGeneration();  // the user words were written by hand
  }
  std::map<std::string, int> c_;
  testing::TempDataFolder folder_;
};

TEST_F(FollowOnWords, DictionaryWordsComeBeforeLexiconWords) {
  AddUserWord({"中", "心"});  // first in the pool
  SrfState.LearnCount = 1;
  SrfState.LearnLengths[0] = 2;
  SrfState.LearnKinds[0] = kLearnedWordKind;
  SrfState.LearnCodes[0][0] = c_["中"];
  SrfState.LearnCodes[0][1] = c_["间"];
  testing::TypeLetters("z");
  ASSERT_EQ(testing::PoolWordText(0), "中心");
  SetPrefix({"中"});
  FindFollowOnWords(c_["中"]);
  EXPECT_THAT(Associations(),
              ElementsAre("中国", "中华人民", "中国人", "中文", "中华", "中心", "中间"));
  EXPECT_EQ(SrfState.AssociationShown, 1);
}

TEST_F(FollowOnWords, OnlyLongerWordsThatContinueThePrefix) {
  testing::TypeLetters("z");
  SetPrefix({"中", "国"});
  FindFollowOnWords(c_["中"]);
  EXPECT_THAT(Associations(), ElementsAre("中国人"));
  SetPrefix({"中", "华", "人", "民"});
  FindFollowOnWords(c_["中"]);
  EXPECT_THAT(Associations(), ElementsAre());
  EXPECT_EQ(SrfState.AssociationShown, 0);
  SetPrefix({"中"});
  FindFollowOnWords(c_["国"]);  // the first character must match as well
  EXPECT_THAT(Associations(), ElementsAre());
}

TEST_F(FollowOnWords, AnEmptyPoolOffersNothing) {
  testing::TypeLetters("u");
  SetPrefix({"中"});
  SrfState.AssociationShown = 1;
  FindFollowOnWords(c_["中"]);
  EXPECT_EQ(SrfState.AssociationCount, 0);
  EXPECT_EQ(SrfState.AssociationShown, 0);
}

TEST_F(FollowOnWords, PredictionListsEachNextCharacterOnce) {
  testing::TypeLetters("z");
  SetPrefix({"中"});
  FindFollowOnWords(c_["中"]);
  SrfState.FollowOnCount = 0;
  SrfState.ChainCodes[0] = c_["中"];
  SrfState.ChainLength = 1;
  PredictNextChars();
  EXPECT_EQ(SrfState.FollowOnCount, 5);
  EXPECT_EQ(SrfState.FollowOnLengths[1], 4);
  EXPECT_EQ(SrfState.FollowOnRows[1][3], c_["民"]);
  EXPECT_THAT(Predicted(), ElementsAre("国", "华", "文"));

  // Choosing 华 continues 中华人民 (and 中华, which has nothing after it).
  SrfState.ChainCodes[1] = c_["华"];
  SrfState.ChainLength = 2;
  PredictNextChars();
  EXPECT_THAT(Predicted(), ElementsAre("人"));
}

TEST_F(FollowOnWords, AChoiceContinuesTheChainOnlyAlongARowThatAgreesWithIt) {
  testing::TypeLetters("z");
  SetPrefix({"中"});
  FindFollowOnWords(c_["中"]);
  SrfState.FollowOnCount = 0;
  SrfState.ChainCodes[0] = c_["中"];
  SrfState.ChainLength = 1;
  PredictNextChars();
  EXPECT_TRUE(ChoiceContinuesChain(c_["华"]));
  EXPECT_FALSE(ChoiceContinuesChain(c_["人"]));
  SrfState.ChainCodes[1] = c_["文"];
  SrfState.ChainLength = 2;
  EXPECT_FALSE(ChoiceContinuesChain(c_["人"]));  // 人 follows 中华 and 中国, not 中文
  SrfState.ChainCodes[1] = c_["国"];
  EXPECT_TRUE(ChoiceContinuesChain(c_["人"]));
}

TEST_F(FollowOnWords, ASecondSearchKeepsTheSnapshot) {
  testing::TypeLetters("z");
  SetPrefix({"中"});
  FindFollowOnWords(c_["中"]);
  SrfState.ChainCodes[0] = c_["中"];
  SrfState.ChainLength = 1;
  PredictNextChars();
  SetPrefix({"中", "国"});
  FindFollowOnWords(c_["中"]);
  ASSERT_EQ(SrfState.AssociationCount, 1);
  PredictNextChars();
  EXPECT_EQ(SrfState.FollowOnCount, 5);
  EXPECT_EQ(SrfState.FollowOnRows[0][1], c_["国"]);
  EXPECT_EQ(SrfState.FollowOnRows[3][1], c_["文"]);
}

TEST_F(FollowOnWords, PredictedCharacterLeadsTheNextLookup) {
  testing::TypeLetters("z");
  SetPrefix({"中"});
  FindFollowOnWords(c_["中"]);
  SrfState.FollowOnCount = 0;
  SrfState.ChainCodes[0] = c_["中"];
  SrfState.ChainCodes[1] = c_["华"];
  SrfState.ChainLength = 2;
  PredictNextChars();
  ASSERT_THAT(Predicted(), ElementsAre("人"));
  testing::TypeLetters("ren");
  EXPECT_THAT(testing::LookupTexts(), ElementsAre("人", "任"));
  SrfState.PredictedCharCount = 0;
  testing::TypeLetters("ren");
  EXPECT_THAT(testing::LookupTexts(), ElementsAre("任", "人"));
}

}  // namespace
}  // namespace dazi
