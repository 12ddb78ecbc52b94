#include "engine/user/Learning.h"

#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/UserLexicon.h"
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
  // Saved, it is a user word at once (typed, and used by the sentence engines) and no longer
  // a learned one, which would list it twice.
  EXPECT_EQ(SrfState.LearnCount, 0);
  ASSERT_EQ(SrfState.UserWordCount, 1);
  EXPECT_EQ(SrfState.UserWordLengths[0], 4);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "zhongzhongzhongzhong");
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
  EXPECT_EQ(SrfState.LearnCount, 0);
  EXPECT_EQ(SrfState.UserWordCount, 1);
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

// A sentence written whole may not fit the 33 numbers; the text holds it all the same, so
// the phrase must never be learned without it.
TEST_F(Learning, APhraseThatOutgrowsItsNumbersIsNeverLearned) {
  for (int time = 0; time < 2; ++time) {
    Choose({1, 2});
    const std::vector<int32> sentence(32, 3);
    CollectSentence(std::string(64, '\xC8'), sentence.data(), 32);  // not spelled: dropped
    EXPECT_EQ(SrfState.CollectedCodeCount, 0);
    Choose({1, 2});
    std::string text;
    for (int i = 0; i < 32; ++i) text += "\xC8\xCB";  // 人 x 32
    CollectSentence(text, sentence.data(), 32);       // does not fit after 2 numbers
    Choose({3, 4});
    LearnPhraseAtMark();
  }
  EXPECT_EQ(SrfState.LearnCount, 0);
  EXPECT_EQ(SrfState.UserWordCount, 0);
}

std::vector<int32> Digits(int n, int length) {  // n in base 4, as characters 1-4
  std::vector<int32> codes;
  for (int i = 0; i < length; ++i, n /= 4) codes.push_back(1 + n % 4);
  return codes;
}

void TypePhrase(const std::vector<int32>& codes) {
  CollectChoice(std::string(2 * codes.size(), '\xD6'), codes.data(), 2, kDictionaryWordKind);
  CollectChoice("", codes.data() + 2, static_cast<int>(codes.size()) - 2, kDictionaryWordKind);
}

// The 1001st phrase of a run is remembered in place of the oldest, the typist is told once,
// and a phrase remembered late in a full list is still saved.
TEST_F(Learning, AFullLearnedListForgetsItsOldestPhraseAndSaysSoOnce) {
  for (int i = 0; i < kLearnLimit; ++i) {
    TypePhrase(Digits(i, 5));
    ASSERT_EQ(LearnPhraseAtMark(), "");
  }
  TypePhrase(Digits(kLearnLimit, 5));
  EXPECT_NE(LearnPhraseAtMark(), "");
  EXPECT_EQ(SrfState.LearnCount, kLearnLimit);
  EXPECT_EQ(SrfState.LearnCodes[0][0], Digits(1, 5)[0]);  // phrase 0 is forgotten
  TypePhrase(Digits(kLearnLimit + 1, 5));
  EXPECT_EQ(LearnPhraseAtMark(), "");  // told once
  EXPECT_EQ(SrfState.LearnCount, kLearnLimit);

  TypePhrase(Digits(kLearnLimit, 5));
  EXPECT_EQ(LearnPhraseAtMark(), "");
  EXPECT_EQ(SrfState.UserWordCount, 1);
  TypePhrase(Digits(0, 5));  // forgotten: remembered afresh, not saved
  EXPECT_EQ(LearnPhraseAtMark(), "");
  EXPECT_EQ(SrfState.UserWordCount, 1);
}

// A word saved into a lexicon full of words the user made is offered; the earliest made
// word gives way.
TEST_F(Learning, AWordSavedIntoALexiconOfMadeWordsIsOffered) {
  std::string lexicon;
  for (int i = 0; i < kUserWordCapacity; ++i) lexicon += *EncodeUserWord(Digits(i, 6));
  folder_.WriteBytes("srf_pub.usr", lexicon + '\0');
  ASSERT_TRUE(LoadDictionaries().ok);
  for (int time = 0; time < 2; ++time) {
    TypePhrase(Digits(0, 7));
    LearnPhraseAtMark();
  }
  EXPECT_EQ(SrfState.UserWordLengths[kUserWordCapacity - 1], 7);
  EXPECT_EQ(SrfState.UserWordCodes[0][0], Digits(1, 6)[0]);
}

// A full lexicon keeps offering the newest words: a word saved into it is offered at once,
// the oldest learned word gives way (the words the user made stay), the typist is told once,
// and both files keep every word.
TEST_F(Learning, AFullLexiconOffersTheNewestWordsAndDropsTheOldestLearnedOnes) {
  std::string lexicon;
  for (int i = 0; i < kUserWordCapacity; ++i) {
    const std::vector<int32> codes = Digits(i, 6);
    lexicon += *EncodeUserWord(codes);
  }
  folder_.WriteBytes("srf_pub.usr", lexicon + '\0');
  // Words 7 and then 3 were learned; the others the user made.
  folder_.WriteBytes("srf_pub.lrn",
                     *EncodeUserWord(Digits(7, 6)) + *EncodeUserWord(Digits(3, 6)) + '\0');
  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.UserWordCount, kUserWordCapacity);
  auto offered = [](const std::vector<int32>& codes) {
    for (int u = 0; u < SrfState.UserWordCount; ++u)
      if (std::vector<int32>(SrfState.UserWordCodes[u],
                             SrfState.UserWordCodes[u] + SrfState.UserWordLengths[u]) == codes)
        return true;
    return false;
  };
  auto learnTwice = [](const std::vector<int32>& codes) {
    TypePhrase(codes);
    EXPECT_EQ(LearnPhraseAtMark(), "");
    TypePhrase(codes);
    return LearnPhraseAtMark();
  };

  const std::vector<int32> first = Digits(0, 7), second = Digits(1, 7);
  EXPECT_NE(learnTwice(first), "");
  EXPECT_TRUE(offered(first));
  EXPECT_FALSE(offered(Digits(7, 6)));
  EXPECT_TRUE(offered(Digits(3, 6)));
  EXPECT_TRUE(offered(Digits(0, 6)));
  EXPECT_EQ(learnTwice(second), "");  // told once
  EXPECT_TRUE(offered(second));
  EXPECT_FALSE(offered(Digits(3, 6)));
  EXPECT_TRUE(offered(first));
  EXPECT_TRUE(offered(Digits(0, 6)));
  EXPECT_EQ(SrfState.UserWordCount, kUserWordCapacity);

  // Nothing is lost: the files hold every word, and a new run offers the same ones.
  std::size_t pos = 0;
  int records = 0;
  const std::string saved = folder_.ReadBytes("srf_pub.usr");
  while (DecodeUserWord(saved, &pos)) ++records;
  EXPECT_EQ(records, kUserWordCapacity + 2);
  EXPECT_EQ(LoadUserLexicon(), 2);
  EXPECT_TRUE(offered(first) && offered(second) && offered(Digits(0, 6)));
  EXPECT_FALSE(offered(Digits(3, 6)) || offered(Digits(7, 6)));
}

}  // namespace
}  // namespace dazi
