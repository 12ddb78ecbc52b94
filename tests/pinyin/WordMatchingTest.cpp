// Filtering the pool by the typed letters: full and abbreviated readings, stroke letters,
// the one-letter give-back, reading patterns, and complete before partial by group.
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

class WordMatching : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    auto ch = [&](const char* text, const char* spelling, int rank) {
      int n = d.AddChar(text);
      d.AddReading(n, spelling, static_cast<std::uint16_t>(kAttrSimplified | rank));
      chars_[text] = n;
      return n;
    };
    auto word = [&](std::initializer_list<const char*> texts, int group, int pattern = 0) {
      std::vector<int> codes;
      for (const char* t : texts) codes.push_back(chars_.at(t));
      d.AddWord(codes, true, false, group, pattern);
    };
    ch("政", "zhengh", 1);
    ch("这", "zhed", 2);
    ch("种", "zhongp", 3);
    ch("治", "zhid", 4);
    ch("正", "zhengh", 5);
    ch("在", "zaih", 6);
    ch("子", "ziz", 7);
    ch("家", "jiad", 1);
    ch("红", "hongz", 1);
    ch("号", "haos", 2);
    ch("西", "xih", 1);
    ch("门", "mend", 1);
    ch("安", "and", 1);
    ch("答", "dap", 1);
    ch("单", "dand", 2);
    ch("案", "and", 2);
    ch("位", "weip", 1);
    ch("一", "yih", 1);
    ch("衣", "yid", 2);
    ch("银", "yinp", 3);
    ch("业", "yes", 4);
    ch("人", "renp", 1);
    int xing = ch("行", "xingp", 2);
    d.AddReading(xing, "hangp", kAttrSimplified | 3);  // reading 1

    word({"政", "治"}, 5);
    word({"政", "治", "家"}, 0);
    word({"这", "种"}, 0);
    word({"子", "红"}, 9);
    word({"西", "安"}, 2);
    word({"西", "安", "门"}, 0);
    word({"安", "西"}, 0);
    word({"答", "案"}, 7);
    word({"单", "位"}, 0);
    word({"一", "号"}, 0);
    word({"一", "衣", "号"}, 0);
    word({"银", "行"}, 0, 1);  // second character read hang
    word({"行", "人"}, 0, 0);
    word({"行", "业"}, 0, 2);  // first character read hang
    d.Source().readingPatterns[1] = 0x10;
    d.Source().readingPatterns[2] = 0x40;
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
  }

  std::vector<std::string> Words(const std::string& letters) {
    testing::TypeLetters(letters);
    return testing::WordResultTexts();
  }

  std::map<std::string, int> chars_;
  testing::TempDataFolder folder_;
};

TEST_F(WordMatching, AbbreviatedReadingsSpellAWholeWord) {
  // 这种 and 政治 are complete (groups 0 and 5), 政治家 partial (group 0).
  EXPECT_THAT(Words("zz"), ElementsAre("这种", "政治", "政治家"));
  EXPECT_THAT(Words("zzh"), ElementsAre("这种", "政治", "政治家"));
  EXPECT_THAT(Words("zhz"), ElementsAre("这种", "政治", "政治家"));
  EXPECT_THAT(Words("zhengzhi"), ElementsAre("政治", "政治家"));
  // zh ends inside the first reading of all three; 子红 is complete (zi, hong).
  EXPECT_THAT(Words("zh"), ElementsAre("子红", "政治家", "这种", "政治"));
  EXPECT_THAT(Words("zhengzhijia"), ElementsAre("政治家"));
  EXPECT_THAT(Words("zhengzhijiaa"), ElementsAre());
}

TEST_F(WordMatching, UserWordsJoinGroupZeroAheadOfDictionaryWords) {
  SrfState.UserWordCount = 1;
  SrfState.UserWordLengths[0] = 2;
  SrfState.UserWordKinds[0] = kUserWordKind;
  SrfState.UserWordCodes[0][0] = chars_.at("正");
  SrfState.UserWordCodes[0][1] = chars_.at("在");
  AdvanceEngineGeneration();  // the user words were written by hand
  EXPECT_THAT(Words("zz"), ElementsAre("正在", "这种", "政治", "政治家"));
  EXPECT_EQ(SrfState.WordResultKinds[0], kUserWordKind);
  EXPECT_EQ(SrfState.WordResultKinds[1], kDictionaryWordKind);
}

TEST_F(WordMatching, ReadingsMayStopAfterAnyLetter) {
  EXPECT_THAT(Words("xa"), ElementsAre("西安", "西安门"));
  EXPECT_THAT(Words("xan"), ElementsAre("西安", "西安门"));
  EXPECT_THAT(Words("xian"), ElementsAre("西安", "西安门"));
  EXPECT_THAT(Words("xianm"), ElementsAre("西安门"));
  EXPECT_THAT(Words("xm"), ElementsAre());  // readings cannot be skipped
}

TEST_F(WordMatching, TheFirstLetterMustStartTheFirstReading) {
  testing::TypeLetters("a");  // the pool of a holds 安西
  GatherWords("xa", nullptr, 0);
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre());
  GatherWords("ax", nullptr, 0);
  EXPECT_THAT(testing::WordResultTexts(), ElementsAre("安西"));
}

TEST_F(WordMatching, GivesBackTheLetterTakenForAStrokeLetter) {
  // dan: d, a along dap; n fits neither p nor an, so a starts an.
  EXPECT_THAT(Words("dan"), ElementsAre("答案", "单位"));
  // da spells 答 in full but only begins 单: 答案 comes first whatever the groups.
  EXPECT_THAT(Words("da"), ElementsAre("答案", "单位"));
  // yihao: y, i, h along yih; a fails, so h starts hao.
  EXPECT_THAT(Words("yihao"), ElementsAre("一号"));
  EXPECT_THAT(Words("yihaos"), ElementsAre("一号"));
  // The first letter is never given back: yh cannot restart 衣 with y.
  EXPECT_THAT(Words("yh"), ElementsAre("一号", "银行"));
}

TEST_F(WordMatching, PatternsChooseTheReadingOfPolyphonicCharacters) {
  EXPECT_THAT(Words("yinhang"), ElementsAre("银行"));
  EXPECT_THAT(Words("yx"), ElementsAre());
  EXPECT_THAT(Words("hy"), ElementsAre("行业"));
  EXPECT_THAT(Words("xr"), ElementsAre("行人"));
  EXPECT_THAT(Words("xy"), ElementsAre());
}

TEST_F(WordMatching, FilteringLeavesThePoolAlone) {
  testing::TypeLetters("z");
  const int32 pool = SrfState.WordPoolCount;
  testing::TypeLetters("zzzzzz");
  EXPECT_EQ(SrfState.WordPoolCount, pool);
  EXPECT_EQ(SrfState.WordResultCount, 0);
  testing::TypeLetters("zz");
  EXPECT_EQ(SrfState.WordResultCount, 3);
}

}  // namespace
}  // namespace dazi
