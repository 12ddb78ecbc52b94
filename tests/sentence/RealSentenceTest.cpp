// What the generated dictionaries give a user typing whole sentences. The dictionaries lie
// beside the executables after the dictionary build; without them the tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

class RealSentence : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = testing::LinkRealDictionaries(folder_.Path()); !why.empty())
      GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  testing::TempDataFolder folder_;
};

TEST_F(RealSentence, InitialsMixedWithFullPinyinFromTheHelp) {
  ConvertSentence("wmyaonltggongzuosp");
  EXPECT_EQ(Utf8FromGbk(SrfState.DefaultSentence), "我们要努力提高工作水平");
}

TEST_F(RealSentence, LeftOffersTheFirstWordAndKeepsTheRest) {
  SrfState.InputText = "womenyaonulitigao";
  StartSentenceCorrection(SrfState.InputText);
  EXPECT_EQ(SrfState.InputText, "women");
  EXPECT_EQ(SrfState.RemainingInput, "yaonulitigao");
  ASSERT_GT(SrfState.CandidateCount, 0);
  EXPECT_EQ(Utf8FromGbk(SrfState.CandidateTexts[0]), "我们");
}

}  // namespace
}  // namespace dazi
