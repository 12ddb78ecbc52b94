// The engine stays inside its tables when the data would overfill them: the word pool, the
// match groups, the merged list, the follow-on list, the snapshot and the chain.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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

constexpr int kChars = 2500;
constexpr int kWords = 8100;

// 2500 characters read ma (ranks 1..2500); the first starts 8100 different three-character
// words of 16 groups, the second starts none.
class Capacity : public ::testing::Test {
 protected:
  // The large dictionary is written once for the suite and copied into each test's folder.
  static void SetUpTestSuite() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "dazi-capacity-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    testing::FixtureDictionary d;
    for (int n = 0; n < kChars; ++n)
      d.AddReading(d.AddChar(testing::NthCommonChar(n)), "mah",
                   static_cast<std::uint16_t>(kAttrSimplified | (n + 1)));
    for (int n = 0; n < kWords; ++n)
      d.AddWord({1, 3 + n % (kChars - 2), 3 + n / (kChars - 2)}, true, false, n % 16);
    ASSERT_EQ(d.Write(dir_.string()), "");
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  void SetUp() override {
    for (const char* name :
         {"srf_pub.zc", "srf_pub.py", "srf_pub.pys", "srf_pub.lm", "srf_pub.cpy", "srf_pub.zy"})
      std::filesystem::copy_file(dir_ / name, folder_.Path() / name);
    ASSERT_TRUE(LoadDictionaries().ok);
    SrfState.CandidatesPerPage = 10;
  }
  void AddLexiconWords(int32 first, int users, int learned) {
    for (int u = 0; u < users; ++u) {
      SrfState.UserWordCodes[u][0] = first;
      SrfState.UserWordCodes[u][1] = 2;
      SrfState.UserWordLengths[u] = 2;
      SrfState.UserWordKinds[u] = kUserWordKind;
    }
    SrfState.UserWordCount = users;
    AdvanceEngineGeneration();  // the user words were written by hand
    for (int u = 0; u < learned; ++u) {
      SrfState.LearnCodes[u][0] = first;
      SrfState.LearnCodes[u][1] = 2;
      SrfState.LearnLengths[u] = 2;
      SrfState.LearnKinds[u] = kLearnedWordKind;
    }
    SrfState.LearnCount = learned;
  }
  static std::filesystem::path dir_;
  testing::TempDataFolder folder_;
};

std::filesystem::path Capacity::dir_;

TEST_F(Capacity, PoolAndMergedListStopAtTheirCapacities) {
  testing::TypeLetters("m");
  EXPECT_EQ(SrfState.LookupCount, kChars);
  EXPECT_EQ(SrfState.WordPoolCount, 8001);
  EXPECT_EQ(SrfState.WordResultCount, 8001);
  EXPECT_EQ(SrfState.ResultCount, 10001);
  EXPECT_EQ(SrfState.ResultIds[10000], 7500);  // the last word that fits
  SrfState.PageIndex = 1000;
  BuildCandidatePage();
  EXPECT_EQ(SrfState.CandidateCount, 1);
  SrfState.PageIndex = 1001;
  BuildCandidatePage();
  EXPECT_EQ(SrfState.CandidateCount, 0);
}

TEST_F(Capacity, LexiconWordsComeFirstAndTheDictionaryFillsTheRest) {
  AddLexiconWords(1, kUserWordCapacity, kLearnLimit);
  testing::TypeLetters("m");
  EXPECT_EQ(SrfState.WordPoolCount, 8001);
  EXPECT_EQ(SrfState.WordPoolKinds[4000], kUserWordKind);
  EXPECT_EQ(SrfState.WordPoolKinds[5000], kLearnedWordKind);
  EXPECT_EQ(SrfState.WordPoolKinds[5001], kDictionaryWordKind);
  EXPECT_EQ(SrfState.WordPoolKinds[8000], kDictionaryWordKind);
}

TEST_F(Capacity, MatchGroupsKeepTheirFirstEntries) {
  testing::TypeLetters("ma");
  // Every word is partial for ma (the input ends in the first reading); each of the 16
  // groups holds at most 301 of the 8001 pool words.
  ASSERT_EQ(SrfState.WordResultCount, 16 * 301);
  EXPECT_EQ(SrfState.WordResults[0], 0);
  EXPECT_EQ(SrfState.WordResults[300], 300 * 16);
  EXPECT_EQ(SrfState.WordResults[301], 1);
  EXPECT_EQ(SrfState.ResultCount, 101 + 16 * 301);  // the plain group keeps 101 characters
}

TEST_F(Capacity, FollowOnListsStopAtTheirCapacities) {
  testing::TypeLetters("m");
  SrfState.AssocPrefix[0] = 1;
  SrfState.AssocPrefixLength = 1;
  FindFollowOnWords(1);
  EXPECT_EQ(SrfState.AssociationCount, kAssociationCapacity);
  SrfState.FollowOnCount = 0;
  SrfState.ChainCodes[0] = 1;
  SrfState.ChainLength = 1;
  PredictNextChars();
  EXPECT_EQ(SrfState.FollowOnCount, kFollowOnCapacity);
  EXPECT_EQ(SrfState.PredictedCharCount, kFollowOnCapacity);

  // Lexicon words that continue character 2 only wait in the deferred list (1001).
  AddLexiconWords(2, kUserWordCapacity, kLearnLimit);
  testing::TypeLetters("m");
  SrfState.AssocPrefix[0] = 2;
  FindFollowOnWords(2);
  EXPECT_EQ(SrfState.AssociationCount, 1001);
}

TEST_F(Capacity, LongFollowOnWordsAndChainsAreTruncated) {
  testing::TypeLetters("m");
  // Pool word 0 becomes a 20-character word of characters 1, 3, 4, ...
  SrfState.WordPoolLengths[0] = 20;
  for (int j = 1; j < 20; ++j) SrfState.WordPoolCodes[0][j] = 2 + j;
  SrfState.AssociationList[0] = 0;
  SrfState.AssociationCount = 1;
  SrfState.FollowOnCount = 0;
  SrfState.ChainLength = kChainCapacity;
  for (int j = 0; j < kChainCapacity; ++j) SrfState.ChainCodes[j] = SrfState.WordPoolCodes[0][j];
  PredictNextChars();
  EXPECT_EQ(SrfState.FollowOnLengths[0], kFollowOnCodeCapacity);
  ASSERT_EQ(SrfState.PredictedCharCount, 1);
  EXPECT_EQ(SrfState.PredictedChars[0], SrfState.WordPoolCodes[0][16]);
  SrfState.ChainLength = 40;  // beyond the chain's capacity: read as full
  PredictNextChars();
  EXPECT_EQ(SrfState.PredictedCharCount, 1);
}

}  // namespace
}  // namespace dazi
