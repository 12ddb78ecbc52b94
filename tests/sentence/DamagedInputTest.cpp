// Damaged word files and input outside the letters a-z must neither crash nor hang the
// conversion or the correction.
#include <gtest/gtest.h>

#include <string>

#include "engine/sentence/SentenceEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/sentence/SentenceTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

const char* const kInputs[] = {"xianzaiqu", "jiandanweizhi", "wmzgyao",
                               "xiazaiba",  "xianzai",       "XIAN1zai",
                               "ng",        "iiiiuuuvvv",    "xian zai"};

void ConvertAndCorrectAll() {
  for (const char* input : kInputs) {
    ConvertSentence(input);
    EXPECT_LE(SrfState.SentenceCodeCount, kSentenceCapacity) << input;
    SrfState.InputText = input;
    SrfState.RemainingInput.clear();
    StartSentenceCorrection(SrfState.InputText);
  }
  ConvertSentence(std::string(300, 'z'));
  EXPECT_LE(SrfState.SentenceCodeCount, kSentenceCapacity);
}

class DamagedInputTest : public ::testing::Test {
 protected:
  void Build() {
    const int xian = fx_.Char("现", "xian"), zai = fx_.Char("在", "zai");
    const int wo = fx_.Char("我", "wo"), men = fx_.Char("们", "men");
    fx_.Phrase("xianzai", {xian, zai}, 4, 1);
    fx_.Phrase("xianzaiqu", {xian, zai, wo}, 4, 1);
    // A first-syllable count of 0 and one beyond the pinyin: bad data the walk must survive.
    fx_.Phrase("xiazaiba", {xian, zai}, 0, 2);
    fx_.Phrase("jiandan", {wo, men}, 15, 2);
    fx_.Abbrev("wm", {wo, men});
    fx_.Dictionary().AddWord({xian, zai});
    fx_.WriteAndLoad();
  }
  testing::TempDataFolder folder_;
  testing::SentenceFixture fx_;
};

TEST_F(DamagedInputTest, BadFirstSyllableCountsAndStrayBytes) {
  Build();
  ConvertAndCorrectAll();
  ConvertSentence("xiazaiba");
  EXPECT_GE(SrfState.SentenceCodeCount, 1);
}

TEST_F(DamagedInputTest, TruncatedWordFile) {
  Build();
  const std::string cpy = folder_.ReadBytes("srf_pub.cpy");
  for (std::size_t keep : {cpy.size() - 5, cpy.size() / 2, std::size_t{3400}, std::size_t{10}}) {
    folder_.WriteBytes("srf_pub.cpy", cpy.substr(0, keep));
    ASSERT_TRUE(LoadDictionaries().ok);
    ConvertAndCorrectAll();
  }
}

TEST_F(DamagedInputTest, CorruptedWordFile) {
  Build();
  std::string cpy = folder_.ReadBytes("srf_pub.cpy");
  for (std::size_t i = 3380; i < cpy.size(); i += 3) cpy[i] = static_cast<char>(0xFF - i);
  folder_.WriteBytes("srf_pub.cpy", cpy);
  ASSERT_TRUE(LoadDictionaries().ok);
  ConvertAndCorrectAll();
}

}  // namespace
}  // namespace dazi
