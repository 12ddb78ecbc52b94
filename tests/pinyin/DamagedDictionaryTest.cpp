// Truncated and scrambled dictionary files and overlong inputs: every step runs to its end
// and leaves every count inside its table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;

const char* const kFiles[] = {"srf_pub.zc", "srf_pub.py",  "srf_pub.pys",
                              "srf_pub.lm", "srf_pub.cpy", "srf_pub.zy"};

void WriteFixture(const std::string& dir) {
  testing::FixtureDictionary d;
  int zheng = d.AddChar("政"), zhi = d.AddChar("治"), zhong = d.AddChar("中");
  int guo = d.AddChar("国"), xing = d.AddChar("行"), yi = d.AddChar("一");
  d.AddReading(zheng, "zhengh", kAttrSimplified | 1);
  d.AddReading(zhi, "zhid", kAttrSimplified | 2);
  d.AddReading(zhong, "zhongs", kAttrSimplified | 3);
  d.AddReading(guo, "guos", kAttrSimplified | 1);
  d.AddReading(xing, "xingp", kAttrSimplified | 1);
  d.AddReading(xing, "hangp", kAttrSimplified | 1);
  d.AddReading(yi, "yih", kAttrSimplified | 1);
  d.Source().chars[0].gloss = "politics";
  d.AddWord({zheng, zhi}, true, false, 5, 1, "politics");
  d.AddWord({zhong, guo}, true, false, 0, 0, "China");
  d.AddWord({zhong, guo, xing}, true, false, 0, 2);
  d.AddWord({xing, zheng}, true, false, 0, 3);
  d.Source().readingPatterns[1] = 0xFF;
  d.Source().readingPatterns[2] = 0x54;
  d.Source().readingPatterns[3] = 0x40;
  ASSERT_EQ(d.Write(dir), "");
}

void ExpectCountsInsideTables() {
  EXPECT_LE(SrfState.LookupCount, kLookupCapacity);
  EXPECT_LE(SrfState.WordPoolCount, kWordPoolCapacity);
  EXPECT_LE(SrfState.WordResultCount, kWordPoolCapacity);
  EXPECT_LE(SrfState.ResultCount, kResultCapacity);
  EXPECT_LE(SrfState.AssociationCount, kAssociationCapacity);
  EXPECT_LE(SrfState.FollowOnCount, kFollowOnCapacity);
  EXPECT_LE(SrfState.PredictedCharCount, kPredictedCapacity);
  EXPECT_GE(SrfState.CandidateCount, 0);
  EXPECT_LE(SrfState.CandidateCount, kPageCapacity);
  for (int s = 0; s < SrfState.CandidateCount; ++s) {
    EXPECT_GE(SrfState.CandidateCharCounts[s], 0);
    EXPECT_LE(SrfState.CandidateCharCounts[s], kCandidateCodeCapacity);
  }
}

// Types, pages and chooses the way a user would.
void TypeChoosePage() {
  SrfState.CandidatesPerPage = 10;
  for (const char* input : {"zhengzhi", "zz", "zhongguoxing", "xz", "hangz", "yi", "u", "vab"}) {
    testing::TypeLetters(input);
    ExpectCountsInsideTables();
    for (int page = 1; page < 4; ++page) {
      SrfState.PageIndex = page;
      BuildCandidatePage();
      ExpectCountsInsideTables();
    }
    if (SrfState.WordPoolCount == 0) continue;
    SrfState.AssocPrefix[0] = SrfState.WordPoolCodes[0][0];
    SrfState.AssocPrefixLength = 1;
    SrfState.FollowOnCount = 0;
    SrfState.ChainCodes[0] = SrfState.AssocPrefix[0];
    SrfState.ChainLength = 1;
    OfferFollowOnWords(SrfState.AssocPrefix[0]);
    ExpectCountsInsideTables();
  }
}

class DamagedDictionary : public ::testing::Test {
 protected:
  void SetUp() override { WriteFixture(folder_.Path().string()); }
  std::string Read(const char* name) { return folder_.ReadBytes(name); }
  testing::TempDataFolder folder_;
};

TEST_F(DamagedDictionary, IntactFilesGiveTheExpectedWords) {
  ASSERT_TRUE(LoadDictionaries().ok);
  testing::TypeLetters("zz");
  ASSERT_EQ(SrfState.CandidateCount, 1);
  EXPECT_EQ(testing::Utf8(SrfState.CandidateTexts[0]), "政治");
  TypeChoosePage();
}

TEST_F(DamagedDictionary, TruncatedFilesAreReadAsFarAsTheyGo) {
  for (const char* name : kFiles) {
    const std::string whole = Read(name);
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{3}, whole.size() / 3, whole.size() / 2, whole.size() - 1}) {
      SCOPED_TRACE(std::string(name) + " cut at " + std::to_string(cut));
      Dict.CloseAll();
      ResetEngineState();
      folder_.WriteBytes(name, whole.substr(0, cut));
      LoadDictionaries();
      TypeChoosePage();
    }
    folder_.WriteBytes(name, whole);
  }
}

TEST_F(DamagedDictionary, ScrambledBytesStayHarmless) {
  std::mt19937 random(20240521);
  for (int round = 0; round < 40; ++round) {
    const char* name = kFiles[round % 6];
    const std::string whole = Read(name);
    std::string damaged = whole;
    for (int n = 0; n < 12 && !damaged.empty(); ++n)
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
    // Every other round also fills one stretch with 0xFF: the largest counts and positions.
    if (round % 2 == 1 && damaged.size() > 8) {
      std::size_t at = random() % (damaged.size() - 8);
      for (std::size_t k = at; k < at + 8; ++k) damaged[k] = '\xFF';
    }
    SCOPED_TRACE(std::string(name) + " round " + std::to_string(round));
    Dict.CloseAll();
    ResetEngineState();
    folder_.WriteBytes(name, damaged);
    LoadDictionaries();
    TypeChoosePage();
    folder_.WriteBytes(name, whole);
  }
}

TEST_F(DamagedDictionary, OverlongAndOddInputsAreHarmless) {
  ASSERT_TRUE(LoadDictionaries().ok);
  for (const std::string& input :
       {std::string(99, 'z'), std::string(99, 'i'), std::string(300, 'a'),
        std::string("z") + std::string(98, 'h')}) {
    testing::TypeLetters(input);
    ExpectCountsInsideTables();
  }
  SrfState.PageIndex = -3;
  BuildCandidatePage();
  ExpectCountsInsideTables();
  SrfState.PageIndex = 0x7FFFFFFF;
  BuildCandidatePage();
  EXPECT_EQ(SrfState.CandidateCount, 0);
  LookupPinyin("");
  LookupPinyin("Z");
  EXPECT_EQ(SrfState.LookupCount, 0);
  GatherWords("", nullptr, 0);
  SrfState.AssocPrefixLength = 99;
  SrfState.AssociationCount = 1;
  SrfState.AssociationList[0] = 0;
  BuildCandidatePage();
  ExpectCountsInsideTables();
  FindFollowOnWords(1);
  ExpectCountsInsideTables();
}

}  // namespace
}  // namespace dazi
