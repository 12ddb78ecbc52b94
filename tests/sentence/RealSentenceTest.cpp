// What the generated dictionaries give a user typing whole sentences. The dictionaries lie
// beside the executables after the dictionary build; without them the tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>

#include "DataFolder.h"
#include "DictionaryLoader.h"
#include "Gbk.h"
#include "SentenceEngine.h"
#include "TempDataFolder.h"

namespace dazi {
namespace {

const char* const kFiles[] = {"srf_pub.zc", "srf_pub.py",  "srf_pub.pys",
                              "srf_pub.lm", "srf_pub.cpy", "srf_pub.zy"};

class RealSentence : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path bin = ExecutableFolder();
    for (const char* name : kFiles)
      if (!std::filesystem::exists(bin / name))
        GTEST_SKIP() << "no " << name << " beside the test; build the dictionaries first";
    for (const char* name : kFiles)
      std::filesystem::create_symlink(bin / name, folder_.Path() / name);
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
