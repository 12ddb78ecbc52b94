// Facts the generated dictionaries must give a user. The dictionaries lie beside the
// executables after the dictionary build; without them the tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

class RealDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = testing::LinkRealDictionaries(folder_.Path()); !why.empty())
      GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  // Slot position of text on the page shown after typing letters, or -1.
  static int OnFirstPage(const std::string& letters, const std::string& text) {
    testing::TypeLetters(letters);
    return testing::IndexOf(testing::SlotTexts(), text);
  }
  // Position of text in the whole result list, for the failure message.
  static int InResults(const std::string& text) {
    for (int k = 0; k < SrfState.ResultCount; ++k) {
      const int32 id = SrfState.ResultIds[k];
      const std::string shown = SrfState.ResultKinds[k] == kCharacterKind
                                    ? testing::Utf8(CharText(id))
                                    : testing::PoolWordText(id);
      if (shown == text) return k;
    }
    return -1;
  }
  testing::TempDataFolder folder_;
};

TEST_F(RealDictionary, FullPinyinOffersTheWordOnTheFirstPage) {
  EXPECT_GE(OnFirstPage("zhongguo", "中国"), 0) << "result " << InResults("中国");
  EXPECT_GE(OnFirstPage("nihao", "你好"), 0) << "result " << InResults("你好");
}

TEST_F(RealDictionary, InitialsOfferTheWordOnTheFirstPage) {
  EXPECT_GE(OnFirstPage("zz", "政治"), 0) << "result " << InResults("政治");
}

// The letters spell every syllable of the first word in full and only abbreviate the second.
TEST_F(RealDictionary, FullSpellingsComeBeforeAbbreviations) {
  const struct {
    const char* letters;
    const char* spelled;
    const char* abbreviated;
  } cases[] = {
      {"xigua", "西瓜", "相关"},   {"xigua", "西瓜", "习惯"},  {"danshi", "但是", "当时"},
      {"jichang", "机场", "经常"}, {"didi", "弟弟", "地点"},   {"jidan", "鸡蛋", "简单"},
      {"lijie", "理解", "了解"},   {"xishou", "洗手", "销售"}, {"zhuyi", "注意", "转移"},
  };
  for (const auto& c : cases) {
    EXPECT_GE(OnFirstPage(c.letters, c.spelled), 0)
        << c.letters << " " << c.spelled << " result " << InResults(c.spelled);
    const int abbreviated = InResults(c.abbreviated);
    ASSERT_GE(abbreviated, 0) << c.letters << " " << c.abbreviated;
    EXPECT_LT(InResults(c.spelled), abbreviated) << c.letters << " " << c.abbreviated;
  }
}

TEST_F(RealDictionary, ChoosingACharacterOffersWordsThatContinueIt) {
  testing::TypeLetters("zhong");
  const int slot = testing::IndexOf(testing::SlotTexts(), "中");
  ASSERT_GE(slot, 0);
  // What the choice handler does after choosing a single character.
  const int32 zhong = SrfState.CandidateFirstCodes[slot];
  SrfState.AssocFirstChar = zhong;
  SrfState.AssocPrefix[0] = zhong;
  SrfState.AssocPrefixLength = 1;
  SrfState.FollowOnCount = 0;
  SrfState.ChainCodes[0] = zhong;
  SrfState.ChainLength = 1;
  SrfState.InputText.clear();
  OfferFollowOnWords(zhong);
  ASSERT_GT(SrfState.CandidateCount, 0);
  for (int s = 0; s < SrfState.CandidateCount; ++s) {
    const std::string text = testing::Utf8(SrfState.CandidateTexts[s]);
    EXPECT_EQ(SrfState.CandidateKinds[s], kFollowOnWordKind) << text;
    EXPECT_EQ(text.rfind("中", 0), 0u) << text;
    EXPECT_EQ(testing::Utf8(SrfState.CandidateOutputs[s]), text.substr(std::string("中").size()));
  }
  EXPECT_GT(SrfState.PredictedCharCount, 0);
}

}  // namespace
}  // namespace dazi
