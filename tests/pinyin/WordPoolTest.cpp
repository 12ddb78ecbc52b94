// Building the word pool for a one-letter input: user-lexicon words, learned words, then the
// dictionary words of the current class by start character.
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
using dictwriter::kAttrTraditional;
using dictwriter::kAttrVariant;
using ::testing::ElementsAre;

class WordPool : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    zhong_ = d.AddChar("中");
    zhang_ = d.AddChar("张");
    guo_ = d.AddChar("国");
    wen_ = d.AddChar("文");
    d.AddReading(zhong_, "zhongs", kAttrSimplified | kAttrTraditional | kAttrVariant | 1);
    d.AddReading(zhang_, "zhangp", kAttrSimplified | kAttrTraditional | kAttrVariant | 2);
    d.AddReading(guo_, "guos", kAttrSimplified | kAttrTraditional | 1);
    d.AddReading(wen_, "wend", kAttrSimplified | kAttrTraditional | 1);
    d.AddWord({zhang_, guo_}, true, false, 0, 0, "Zhang Guo");
    d.AddWord({zhong_, wen_}, false, true, 0, 0, "Chinese (traditional)");
    d.AddWord({zhong_, guo_}, true, true, 3, 2, "China");
    d.AddWord({zhong_, guo_, wen_}, true, false, 7, 5);
    d.Source().readingPatterns[2] = 0x40;
    d.Source().readingPatterns[5] = 0x10;
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  void AddUserWord(std::initializer_list<int32> codes) {
    int u = SrfState.UserWordCount++;
    int j = 0;
    for (int32 c : codes) SrfState.UserWordCodes[u][j++] = c;
    SrfState.UserWordLengths[u] = j;
    SrfState.UserWordKinds[u] = kUserWordKind;
    AdvanceEngineGeneration();  // the user words were written by hand
  }
  void AddLearnedWord(std::initializer_list<int32> codes) {
    int u = SrfState.LearnCount++;
    int j = 0;
    for (int32 c : codes) SrfState.LearnCodes[u][j++] = c;
    SrfState.LearnLengths[u] = j;
    SrfState.LearnKinds[u] = kLearnedWordKind;
  }
  std::vector<int32> ResultKinds() const {
    return {SrfState.WordResultKinds, SrfState.WordResultKinds + SrfState.WordResultCount};
  }
  int32 zhong_ = 0, zhang_ = 0, guo_ = 0, wen_ = 0;
  testing::TempDataFolder folder_;
};

TEST_F(WordPool, UserWordsThenLearnedWordsThenDictionaryWordsByStartCharacter) {
  AddLearnedWord({zhong_, zhong_});
  AddUserWord({zhang_, zhang_});
  AddUserWord({guo_, guo_});  // starts with no character of the lookup
  AddUserWord({zhong_, zhang_});
  LookupPinyin("z");
  EXPECT_THAT(testing::WordResultTexts(),
              ElementsAre("中张", "张张", "中中", "中国", "中国文", "张国"));
  EXPECT_THAT(ResultKinds(),
              ElementsAre(kUserWordKind, kUserWordKind, kLearnedWordKind, kDictionaryWordKind,
                          kDictionaryWordKind, kDictionaryWordKind));
  EXPECT_EQ(SrfState.WordPoolCount, 6);
  EXPECT_EQ(SrfState.WordResults[5], 5);
}

TEST_F(WordPool, DictionaryWordsKeepGroupPatternAndGlossNumber) {
  AddUserWord({zhong_, zhang_});
  LookupPinyin("z");
  ASSERT_EQ(SrfState.WordPoolCount, 4);
  EXPECT_EQ(SrfState.WordPoolGroups[0], 0);
  EXPECT_EQ(SrfState.WordPoolSerials[0], 0);
  EXPECT_EQ(SrfState.WordPoolKinds[0], kUserWordKind);
  // 中国 is the second record of 中's list (the traditional 中文 is skipped but numbered).
  EXPECT_EQ(testing::PoolWordText(1), "中国");
  EXPECT_EQ(SrfState.WordPoolGroups[1], 3);
  EXPECT_EQ(SrfState.WordPoolPatterns[1], 0x40);
  EXPECT_EQ(SrfState.WordPoolSerials[1], SrfState.WordPoolSerials[2] - 1);
  EXPECT_EQ(SrfState.WordPoolGroups[2], 7);
  EXPECT_EQ(SrfState.WordPoolPatterns[2], 0x10);
  EXPECT_EQ(SrfState.WordPoolLengths[2], 3);
  EXPECT_EQ(SrfState.WordPoolKinds[2], kDictionaryWordKind);
}

TEST_F(WordPool, ClassDecidesTheDictionaryWords) {
  SrfState.MethodClass = 1;
  LookupPinyin("z");
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre("中文", "中国"));
  SrfState.MethodClass = 2;
  AddUserWord({zhong_, guo_});
  AddLearnedWord({zhang_, guo_});
  LookupPinyin("z");
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre("中国", "张国"));
  EXPECT_THAT(ResultKinds(), ElementsAre(kUserWordKind, kLearnedWordKind));
}

TEST_F(WordPool, ACharacterListedTwiceAddsItsLexiconWordsOnce) {
  AddUserWord({zhong_, guo_});
  AddLearnedWord({zhong_, wen_});
  const int32 chars[] = {zhong_, zhang_, zhong_};
  SrfState.WordPoolCount = SrfState.WordResultCount = 0;
  AddUserWordsToPool(chars, 3);
  AddLearnedWordsToPool(chars, 3);
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre("中国", "中文"));
}

TEST_F(WordPool, AnotherLetterRebuildsThePool) {
  LookupPinyin("z");
  LookupPinyin("zh");
  EXPECT_EQ(SrfState.WordPoolCount, 3);
  LookupPinyin("g");
  EXPECT_EQ(SrfState.WordPoolCount, 0);  // 国 starts no words
  LookupPinyin("u");
  LookupPinyin("z");
  EXPECT_EQ(SrfState.WordPoolCount, 3);
}

}  // namespace
}  // namespace dazi
