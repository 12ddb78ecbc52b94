#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/user/UserLexicon.h"
#include "tests/sentence/SentenceTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using testing::SentenceCodeList;
using Codes = std::vector<int32>;

class ConvertSentenceTest : public ::testing::Test {
 protected:
  testing::TempDataFolder folder_;
  testing::SentenceFixture fx_;
};

TEST_F(ConvertSentenceTest, ThreeLettersOrFewerGoBySyllablesEvenWhenAUserWordSpellsThem) {
  const int a = fx_.Char("啊", "a"), ni = fx_.Char("你", "ni");
  fx_.WriteAndLoad({{a, ni}});  // the user word 啊你 is spelled "ani"
  ConvertSentence("ani");
  // an, then i, which begins no syllable and stands for its group's stored first syllable.
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("an"), fx_.Def("jiang")}));
}

TEST_F(ConvertSentenceTest, FourToSixLetterSyllablesBecomeOneCharacter) {
  const int xi = fx_.Char("西", "xi"), an = fx_.Char("安", "an");
  fx_.Phrase("xian", {xi, an}, 2);
  fx_.WriteAndLoad();
  ConvertSentence("xian");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("xian")}));
  ConvertSentence("zhuang");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("zhuang")}));
}

TEST_F(ConvertSentenceTest, WordEndingInBaGivesWayToBangAndIsKeptOtherwise) {
  const int xia = fx_.Char("下", "xia"), ba = fx_.Char("巴", "ba");
  fx_.Phrase("xiaba", {xia, ba}, 3);
  fx_.WriteAndLoad();
  ConvertSentence("xiabang");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("xia"), fx_.Def("bang")}));
  ConvertSentence("xiabaxia");
  EXPECT_EQ(SentenceCodeList(), (Codes{xia, ba, fx_.Def("xia")}));
}

TEST_F(ConvertSentenceTest, OneLetterRuleDependsOnWhatTheFollowingLettersBegin) {
  const int fang = fx_.Char("方", "fang"), fa = fx_.Char("法", "fa");
  fx_.Phrase("fangfa", {fang, fa}, 4);
  fx_.WriteAndLoad();
  // fa + n is the syllable fan and "n" alone begins nothing longer: 方法 is not taken.
  ConvertSentence("fangfan");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("fang"), fx_.Def("fan")}));
  // "ni" begins a syllable of two letters: 方法 stands.
  ConvertSentence("fangfani");
  EXPECT_EQ(SentenceCodeList(), (Codes{fang, fa, fx_.Def("ni")}));
}

TEST_F(ConvertSentenceTest, UserWordSpellingTheRestWinsOverThePhrase) {
  const int xian = fx_.Char("现", "xian"), zai = fx_.Char("在", "zai");
  const int xi = fx_.Char("西", "xi"), an = fx_.Char("安", "an");
  fx_.Phrase("xianzai", {xian, zai}, 4);
  fx_.WriteAndLoad({{xi, an, zai}});
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{xi, an, zai}));
  EXPECT_EQ(SrfState.DefaultSentence, GbkFromUtf8("西安在"));
}

TEST_F(ConvertSentenceTest, InitialsEntryWinsOverAUserWordSpellingTheRest) {
  const int e1 = fx_.Char("额", "e"), e2 = fx_.Char("鹅", "e"), yu = fx_.Char("雨", "yu");
  const int e3 = fx_.Char("恶", "e");
  fx_.Abbrev("ee", {e3, e3});
  fx_.WriteAndLoad({{e1, e2, yu}});  // spelled "eeyu", which begins with the initials run ee
  ConvertSentence("eeyu");
  EXPECT_EQ(SentenceCodeList(), (Codes{e3, e3, fx_.Def("yu")}));
}

TEST_F(ConvertSentenceTest, UserWordSpellingTheRestIsTakenWhenNoInitialsEntryMatches) {
  const int e1 = fx_.Char("额", "e"), e2 = fx_.Char("鹅", "e"), yu = fx_.Char("雨", "yu");
  fx_.WriteAndLoad({{e1, e2, yu}});
  ConvertSentence("eeyu");
  EXPECT_EQ(SentenceCodeList(), (Codes{e1, e2, yu}));
}

TEST_F(ConvertSentenceTest, InitialsRunPrefersTheUserWordAndIsNeverSplit) {
  const int wo = fx_.Char("我", "wo"), men = fx_.Char("们", "men");
  const int zhong = fx_.Char("中", "zhong"), guo = fx_.Char("国", "guo");
  const int zu = fx_.Char("祖", "zu");
  fx_.Abbrev("wm", {wo, men});
  fx_.Abbrev("zg", {zhong, guo});
  fx_.WriteAndLoad({{zu, guo}});  // initials zg
  ConvertSentence("wmyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{wo, men, fx_.Def("yao")}));
  ConvertSentence("zgyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{zu, guo, fx_.Def("yao")}));
  // wmzg has no entry of its own: letters one at a time until the run zg is reached.
  ConvertSentence("wmzgyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("wang"), fx_.Def("mang"), zu, guo, fx_.Def("yao")}));
}

TEST_F(ConvertSentenceTest, InitialsWithNoEntryAreConvertedLetterByLetter) {
  fx_.Char("我", "wo");
  fx_.WriteAndLoad();
  ConvertSentence("wmyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("wang"), fx_.Def("mang"), fx_.Def("yao")}));
}

TEST_F(ConvertSentenceTest, EntriesOfTheOtherClassAreNotUsed) {
  const int xian = fx_.Char("现", "xian"), zai = fx_.Char("在", "zai");
  const int wo = fx_.Char("我", "wo"), men = fx_.Char("们", "men");
  fx_.Phrase("xianzai", {xian, zai}, 4, 0, /*simplified=*/false, /*traditional=*/true);
  fx_.Abbrev("wm", {wo, men}, /*simplified=*/true, /*traditional=*/false);
  fx_.WriteAndLoad();

  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("xian"), fx_.Def("zai")}));
  ConvertSentence("wmyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{wo, men, fx_.Def("yao")}));

  SrfState.MethodClass = 1;
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{xian, zai}));
  ConvertSentence("wmyao");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("wang", 1), fx_.Def("mang", 1), fx_.Def("yao", 1)}));
}

TEST_F(ConvertSentenceTest, VariantClassGoesBySyllablesWithSimplifiedDefaults) {
  const int xian = fx_.Char("现", "xian"), zai = fx_.Char("在", "zai");
  fx_.Phrase("xianzai", {xian, zai}, 4, 0, true, true);
  fx_.WriteAndLoad({{xian, zai}});
  SrfState.MethodClass = 2;
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("xian"), fx_.Def("zai")}));
}

// 简单 (jian|dan) followed by "weizhi", with words that begin at its second syllable.
class OverlapTest : public ConvertSentenceTest {
 protected:
  void Build(int jiandanLevel, bool withDanweizhi, int danweiLevel) {
    jian_ = fx_.Char("简", "jian");
    dan_ = fx_.Char("单", "dan");
    wei_ = fx_.Char("位", "wei");
    zhi_ = fx_.Char("制", "zhi");
    fx_.Phrase("jiandan", {jian_, dan_}, 4, jiandanLevel);
    if (withDanweizhi) fx_.Phrase("danweizhi", {dan_, wei_, zhi_}, 3, 3);
    if (danweiLevel >= 0) fx_.Phrase("danwei", {dan_, wei_}, 3, danweiLevel);
    fx_.WriteAndLoad();
    ConvertSentence("jiandanweizhi");
  }
  int jian_ = 0, dan_ = 0, wei_ = 0, zhi_ = 0;
};

TEST_F(OverlapTest, LevelZeroIsKeptBeforeALongerWord) {
  Build(0, true, -1);
  EXPECT_EQ(SentenceCodeList(), (Codes{jian_, dan_, fx_.Def("wei"), fx_.Def("zhi")}));
}

TEST_F(OverlapTest, LevelOneGivesWayToALongerWord) {
  Build(1, true, -1);
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("jian"), dan_, wei_, zhi_}));
  // The phrase list is left as the last load made it: the block of "danw".
  ASSERT_GE(SrfState.PhraseCount, 1);
  EXPECT_EQ(SrfState.PhrasePinyin[0], "danweizhi");
}

TEST_F(OverlapTest, GivesWayToATwoCharacterWordOfLowerLevel) {
  Build(2, false, 1);
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("jian"), dan_, wei_, fx_.Def("zhi")}));
}

TEST_F(OverlapTest, KeptBeforeATwoCharacterWordOfTheSameLevel) {
  Build(1, false, 1);
  EXPECT_EQ(SentenceCodeList(), (Codes{jian_, dan_, fx_.Def("wei"), fx_.Def("zhi")}));
}

TEST_F(ConvertSentenceTest, NinetyNineLettersStayWithinTheSentenceTable) {
  fx_.Char("啊", "a");
  fx_.WriteAndLoad();
  ConvertSentence(std::string(99, 'a'));
  EXPECT_EQ(SrfState.SentenceCodeCount, 99);
}

TEST_F(ConvertSentenceTest, UserWordWithMoreCharactersThanLettersCannotOverflow) {
  const int xi = fx_.Char("西", "xi"), an = fx_.Char("安", "an");
  // Character numbers the dictionary does not know add no letters: 33 characters spelled "xian".
  std::vector<int> word{xi, an};
  word.resize(kUserWordCodeCapacity, 900);
  fx_.WriteAndLoad({word});
  ASSERT_EQ(SrfState.UserWordPinyin[0], "xian");
  std::string input;
  for (int i = 0; i < 24; ++i) input += "xian";
  ConvertSentence(input + "xia");
  EXPECT_EQ(SrfState.SentenceCodeCount, kSentenceCapacity);
  // Three whole words (99 codes), then the first two codes of the fourth.
  EXPECT_EQ(SrfState.SentenceCodes[kSentenceCapacity - 2], xi);
  EXPECT_EQ(SrfState.SentenceCodes[kSentenceCapacity - 1], an);
}

TEST_F(ConvertSentenceTest, ReloadedDictionaryAndLexiconAreSeen) {
  const int xian = fx_.Char("现", "xian"), zai = fx_.Char("在", "zai");
  fx_.Phrase("xianzai", {xian, zai}, 4);
  fx_.WriteAndLoad();
  ConvertSentence("xianzai");
  ASSERT_EQ(SentenceCodeList(), (Codes{xian, zai}));

  // Same layout, other character numbers: the block is read again.
  testing::SentenceFixture other;
  const int zai2 = other.Char("在", "zai"), xian2 = other.Char("现", "xian");
  const int xi = other.Char("西", "xi"), an = other.Char("安", "an");
  other.Phrase("xianzai", {xian2, zai2}, 4);
  other.WriteAndLoad();
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{xian2, zai2}));

  // A reloaded lexicon with a word spelled "xianzai" takes over.
  folder_.WriteBytes("srf_pub.usr", testing::UserLexiconBytes({{xi, an, zai2}}));
  LoadUserLexicon();
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{xi, an, zai2}));
}

TEST_F(ConvertSentenceTest, ResetEngineStateForgetsTheUserWords) {
  const int xi = fx_.Char("西", "xi"), an = fx_.Char("安", "an"), zai = fx_.Char("在", "zai");
  fx_.WriteAndLoad({{xi, an, zai}});
  ConvertSentence("xianzai");
  ASSERT_EQ(SentenceCodeList(), (Codes{xi, an, zai}));
  ResetEngineState();  // the streams stay open; the user word tables are empty
  ConvertSentence("xianzai");
  EXPECT_EQ(SentenceCodeList(), (Codes{fx_.Def("xian"), fx_.Def("zai")}));
}

}  // namespace
}  // namespace dazi
