#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/core/CandidateKinds.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/sentence/SentenceEngine.h"
#include "tests/sentence/SentenceTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

constexpr std::uint16_t kSimplified = 0x8000;
constexpr std::uint16_t kTraditional = 0x4000;

// One result entry: a character or the characters of a pool word, with its kind.
struct Result {
  int32 kind;
  std::vector<int32> codes;
  bool operator==(const Result&) const = default;
};

Result CharResult(int32 c) {
  return {kCharacterKind, {c}};
}

Result DictWordResult(std::vector<int32> codes) {
  return {kDictionaryWordKind, std::move(codes)};
}

std::vector<Result> Results() {
  std::vector<Result> results;
  for (int32 k = 0; k < SrfState.ResultCount; ++k) {
    const int32 id = SrfState.ResultIds[k];
    if (SrfState.ResultKinds[k] == kCharacterKind)
      results.push_back(CharResult(id));
    else
      results.push_back({SrfState.ResultKinds[k],
                         {SrfState.WordPoolCodes[id],
                          SrfState.WordPoolCodes[id] + SrfState.WordPoolLengths[id]}});
  }
  return results;
}

std::vector<int32> LookupChars() {
  return {SrfState.LookupList, SrfState.LookupList + SrfState.LookupCount};
}

class CorrectionTest : public ::testing::Test {
 protected:
  // Characters of xian, xia, xiang and a few words (ranks unique per initial, as in real
  // data); withXianzaiWord adds 现在 to the word list as well as to the word file.
  void Build(bool withXianzaiWord = true, bool withChangchengUserWord = false) {
    xian_ = fx_.Char("现", "xian", 1);
    xianB_ = fx_.Char("先", "xian", 2);
    xi_ = fx_.Char("西", "xi", 3);
    an_ = fx_.Char("安", "an", 1);
    xia_ = fx_.Char("下", "xia", 4);
    xiang_ = fx_.Char("向", "xiang", 5);
    zai_ = fx_.Char("在", "zai", 1);
    zheng_ = fx_.Char("政", "zheng", 2);
    zhi_ = fx_.Char("治", "zhi", 3);
    zhuan_ = fx_.Char("专", "zhuan", 4, kSimplified);
    chuan_ = fx_.Char("傳", "zhuan", 5, kTraditional);
    zhuang_ = fx_.Char("庄", "zhuang", 6);
    chang_ = fx_.Char("长", "chang", 1);
    fx_.Dictionary().AddReading(chang_, "zhangp", kSimplified | 7);
    cheng_ = fx_.Char("城", "cheng", 2);
    fx_.Dictionary().AddWord({xi_, an_});
    fx_.Dictionary().AddWord({zheng_, zhi_});
    if (withXianzaiWord) fx_.Dictionary().AddWord({xian_, zai_});
    fx_.Phrase("xian", {xi_, an_}, 2);
    fx_.Phrase("xianzai", {xian_, zai_}, 4);
    std::vector<std::vector<int>> userWords;
    if (withChangchengUserWord) userWords.push_back({chang_, cheng_});  // 长 is chang or zhang
    fx_.WriteAndLoad(userWords);
  }

  testing::TempDataFolder folder_;
  testing::SentenceFixture fx_;
  int xian_ = 0, xianB_ = 0, xi_ = 0, an_ = 0, xia_ = 0, xiang_ = 0, zai_ = 0, zheng_ = 0, zhi_ = 0,
      zhuan_ = 0, chuan_ = 0, zhuang_ = 0, chang_ = 0, cheng_ = 0;
};

TEST_F(CorrectionTest, LongestPhrasePrefixSkipsSingleSyllables) {
  Build();
  EXPECT_EQ(LongestPhrasePrefix("xian"), 0);  // "xian" is in the word file as 西安
  EXPECT_EQ(LongestPhrasePrefix("xianzaiqu"), 7);
  EXPECT_EQ(LongestPhrasePrefix("xia"), 0);
}

TEST_F(CorrectionTest, LeadingPhraseOffersItsWords) {
  Build();
  SrfState.InputText = "xianzaiqu";
  StartSentenceCorrection(SrfState.InputText);
  EXPECT_EQ(SrfState.InputText, "xianzai");
  EXPECT_EQ(SrfState.RemainingInput, "qu");
  EXPECT_EQ(SrfState.WordSplitActive, 1);
  EXPECT_EQ(Results(), (std::vector<Result>{DictWordResult({xian_, zai_})}));
  EXPECT_EQ(SrfState.CandidateCount, 1);
}

TEST_F(CorrectionTest, PhraseKnownOnlyToTheWordFileFallsBackToTheFirstSyllable) {
  Build(/*withXianzaiWord=*/false);
  SrfState.InputText = "xianzaiqu";
  StartSentenceCorrection(SrfState.InputText);
  EXPECT_EQ(SrfState.InputText, "xian");
  EXPECT_EQ(SrfState.RemainingInput, "zaiqu");
  EXPECT_EQ(SrfState.WordSplitActive, 0);
  EXPECT_EQ(Results(),
            (std::vector<Result>{CharResult(xian_), CharResult(xianB_), CharResult(xiang_)}));
}

TEST_F(CorrectionTest, FourOrFiveLetterSyllableOffersCharactersThenWordsSpelledSo) {
  Build();
  SrfState.InputText = "xian";
  StartSentenceCorrection(SrfState.InputText);
  EXPECT_EQ(SrfState.InputText, "xian");
  EXPECT_EQ(SrfState.RemainingInput, "");
  EXPECT_EQ(Results(), (std::vector<Result>{CharResult(xian_), CharResult(xianB_),
                                            CharResult(xiang_), DictWordResult({xi_, an_})}));
}

TEST_F(CorrectionTest, ThreeLettersOrFewerLeaveTheWordPoolAlone) {
  Build();
  PrepareWordPool("z");
  const int32 poolBefore = SrfState.WordPoolCount;
  ASSERT_GT(poolBefore, 0);
  SrfState.InputText = "xia";
  StartSentenceCorrection(SrfState.InputText);
  EXPECT_EQ(SrfState.WordPoolCount, poolBefore);
  EXPECT_EQ(SrfState.WordPoolCodes[0][0], zheng_);
  EXPECT_EQ(Results(), (std::vector<Result>{CharResult(xia_), CharResult(xian_), CharResult(xianB_),
                                            CharResult(xiang_)}));
}

TEST_F(CorrectionTest, SplitFirstSyllableTakesTheLongestSyllableOrOneLetter) {
  Build();
  EXPECT_EQ(SplitFirstSyllable("zhuangan"), 6);
  EXPECT_EQ(SrfState.InputText, "zhuang");
  EXPECT_EQ(SrfState.RemainingInput, "an");
  EXPECT_EQ(LookupChars(), (std::vector<int32>{zhuang_}));
  for (const char* text : {"iou", "u", "vab"}) {
    EXPECT_EQ(SplitFirstSyllable(text), 1) << text;
    EXPECT_EQ(SrfState.InputText, std::string(text, 1));
    EXPECT_EQ(SrfState.RemainingInput, std::string(text + 1));
  }
}

TEST_F(CorrectionTest, ShortenSyllableMovesTheLastLetterOn) {
  Build();
  SrfState.RemainingInput.clear();
  ShortenSyllable("zhuang");
  EXPECT_EQ(SrfState.InputText, "zhuan");
  EXPECT_EQ(SrfState.RemainingInput, "g");
  EXPECT_EQ(LookupChars(), (std::vector<int32>{zhuan_, zhuang_}));  // exact, then longer
  ShortenSyllable("zhuan");
  EXPECT_EQ(SrfState.RemainingInput, "ng");
}

TEST_F(CorrectionTest, EachClassListsItsOwnCharacters) {
  Build();
  LookupSyllableChars("zhuan");
  EXPECT_EQ(LookupChars(), (std::vector<int32>{zhuan_, zhuang_}));
  SrfState.MethodClass = 1;  // correcting traditional text must not write 专
  LookupSyllableChars("zhuan");
  EXPECT_EQ(LookupChars(), (std::vector<int32>{chuan_, zhuang_}));
}

TEST_F(CorrectionTest, WordSpellingMustBeWhole) {
  Build();
  PrepareWordPool("z");
  EXPECT_EQ(SrfState.LookupCount, 0);
  EXPECT_EQ(SrfState.WordResultCount, 0);
  MatchWordSpelling("zz");
  EXPECT_EQ(SrfState.WordResultCount, 0);
  MatchWordSpelling("zhengzhi");
  ASSERT_EQ(SrfState.WordResultCount, 1);
  EXPECT_EQ(SrfState.WordPoolCodes[SrfState.WordResults[0]][0], zheng_);
  EXPECT_EQ(SrfState.WordResultKinds[0], kDictionaryWordKind);
}

TEST_F(CorrectionTest, PolyphonicUserWordIsNotOfferedForItsSecondSyllableAlone) {
  Build(true, /*withChangchengUserWord=*/true);
  PrepareWordPool("c");
  MatchWordSpelling("cheng");
  EXPECT_EQ(SrfState.WordResultCount, 0);
  MatchWordSpelling("changcheng");
  ASSERT_EQ(SrfState.WordResultCount, 1);
  EXPECT_EQ(SrfState.WordResultKinds[0], kUserWordKind);
}

TEST_F(CorrectionTest, SplitsCutTheRestToAHundredLetters) {
  Build();
  const std::string text = "xian" + std::string(150, 'a');
  SplitFirstSyllable(text);
  EXPECT_EQ(SrfState.RemainingInput, std::string(100, 'a'));
  SplitAtWord(text, 4);
  EXPECT_EQ(SrfState.RemainingInput, std::string(100, 'a'));
  SrfState.RemainingInput = std::string(100, 'a');
  ShortenSyllable("xian");
  EXPECT_EQ(SrfState.RemainingInput, "n" + std::string(99, 'a'));
}

TEST_F(CorrectionTest, ShorterPieceDropsTheWordsOfTheLongerOne) {
  Build();
  SrfState.InputText = "xianzaiqu";
  StartSentenceCorrection(SrfState.InputText);
  ASSERT_EQ(SrfState.WordSplitActive, 1);
  // Left again: the word piece goes back to its first syllable.
  SplitFirstSyllable(SrfState.InputText + SrfState.RemainingInput);
  MergeResults();
  EXPECT_EQ(Results(),
            (std::vector<Result>{CharResult(xian_), CharResult(xianB_), CharResult(xiang_)}));
}

}  // namespace
}  // namespace dazi
