#include "engine/user/Learning.h"

#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;

class Learning : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    for (const char* ch : {"中", "国", "人", "民"})
      d.AddReading(d.AddChar(ch), "zhongs", kAttrSimplified | 1);
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
    corpusBefore_ = folder_.ReadBytes("srf_pub.dat");
  }

  // Chooses a word candidate of the given characters, as a choice does.
  void Choose(std::initializer_list<int32> codes, int32 kind = kDictionaryWordKind) {
    std::string text;
    for (std::size_t i = 0; i < codes.size(); ++i) text += "\xD6\xD0";
    std::vector<int32> v(codes);
    CollectChoice(text, v.data(), static_cast<int>(v.size()), kind);
  }

  testing::TempDataFolder folder_;
  std::string corpusBefore_;
};

TEST_F(Learning, RemembersFirstSavesSecondIgnoresThird) {
  Choose({1, 2});
  Choose({3, 4});
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 1);
  EXPECT_EQ(SrfState.LearnLengths[0], 4);
  EXPECT_EQ(SrfState.LearnKinds[0], kLearnedWordKind);
  EXPECT_EQ(SrfState.LearnSaved[0], 0);
  EXPECT_EQ(SrfState.CollectedCodeCount, 0);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), std::string(1, '\0'));

  Choose({1, 2});
  Choose({3, 4});
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 1);
  EXPECT_EQ(SrfState.LearnSaved[0], 1);
  EXPECT_EQ(SrfState.CollectedCodeCount, 0);
  EXPECT_EQ(SrfState.CollectedText, "");
  const std::string record("\x04\x01\x00\x02\x00\x03\x00\x04\x00\x00", 10);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), record);
  // The line spells the record's characters 中国人民.
  const std::string expectedCorpus = corpusBefore_ + "\t\xD6\xD0\xB9\xFA\xC8\xCB\xC3\xF1\r\n";
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), expectedCorpus);

  Choose({1, 2});
  Choose({3, 4});
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 1);
  EXPECT_EQ(SrfState.CollectedCodeCount, 4);  // an already saved phrase stays collected
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), record);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), expectedCorpus);
}

TEST_F(Learning, OneWordIsNotRemembered) {
  Choose({1, 2, 3});
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 0);
  EXPECT_EQ(SrfState.CollectedCodeCount, 3);
}

TEST_F(Learning, EighteenCharactersAreNeitherRememberedNorSaved) {
  for (int i = 0; i < 9; ++i) Choose({1, 2});
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 0);
  EXPECT_EQ(SrfState.CollectedCodeCount, 18);
}

TEST_F(Learning, UserWordEmptiesThePhraseAndLearnedWordsDoNotCount) {
  Choose({1, 2});
  Choose({3, 4}, kUserWordKind);
  EXPECT_EQ(SrfState.CollectedCodeCount, 0);
  Choose({1, 2}, kLearnedWordKind);
  Choose({3, 4}, kFollowOnWordKind);
  LearnPhrase();
  EXPECT_EQ(SrfState.LearnCount, 0);  // neither choice counts as a word
}

TEST_F(Learning, CollectedPhraseStopsGrowingAt33Numbers) {
  for (int i = 0; i < 16; ++i) Choose({1, 2});
  Choose({3, 4});  // 34 numbers would not fit
  EXPECT_EQ(SrfState.CollectedCodeCount, 32);
  EXPECT_EQ(SrfState.CollectedText.size(), 64u);
  Choose({3});
  EXPECT_EQ(SrfState.CollectedCodeCount, 33);
  Choose({4});
  EXPECT_EQ(SrfState.CollectedCodeCount, 33);
  EXPECT_EQ(SrfState.CollectedCodes[32], 3);
}

TEST_F(Learning, StopsRememberingAfter1000Phrases) {
  for (int i = 0; i < 1001; ++i) {
    Choose({1 + i % 4, 1 + i / 4 % 4});
    Choose({1 + i / 16 % 4, 1 + i / 64 % 4, 1 + i / 256 % 4});
    LearnPhrase();
    ClearCollectedPhrase();
  }
  EXPECT_EQ(SrfState.LearnCount, 1000);
}

}  // namespace
}  // namespace dazi
