#include "engine/user/UserLexicon.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;

// 行 (3) is polyphonic: xing is its main reading, hang its second.
void WriteReadingsDictionary() {
  testing::FixtureDictionary d;
  int zhong = d.AddChar("中"), guo = d.AddChar("国"), xing = d.AddChar("行"), ren = d.AddChar("人");
  d.AddReading(zhong, "zhongs", kAttrSimplified | 1);
  d.AddReading(guo, "guos", kAttrSimplified | 1);
  d.AddReading(xing, "xingp", kAttrSimplified | 2);
  d.AddReading(xing, "hangp", kAttrSimplified | 3);
  d.AddReading(ren, "renp", kAttrSimplified | 4);
  ASSERT_EQ(d.Write(), "");
}

std::string Record(std::initializer_list<int> codes) {
  std::string r(1, static_cast<char>(codes.size()));
  for (int c : codes) {
    r += static_cast<char>(c & 0xFF);
    r += static_cast<char>(c >> 8);
  }
  return r;
}

class UserLexicon : public ::testing::Test {
 protected:
  void SetUp() override { WriteReadingsDictionary(); }
  testing::TempDataFolder folder_;
};

TEST_F(UserLexicon, OnlyTheEndByteLoadsNoWords) {
  folder_.WriteBytes("srf_pub.usr", std::string(1, '\0'));
  ASSERT_TRUE(LoadDictionaries().ok);
  EXPECT_EQ(SrfState.UserWordCount, 0);
}

TEST_F(UserLexicon, PolyphonicFirstCharacterGivesTwoPinyinsAndMainInitials) {
  folder_.WriteBytes("srf_pub.usr", Record({3, 4}) + Record({1, 2}) + std::string(1, '\0'));
  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.UserWordCount, 2);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "xingren");
  EXPECT_EQ(SrfState.UserWordPinyinAlt[0], "hangren");
  EXPECT_EQ(SrfState.UserWordInitials[0], "xr");
  EXPECT_EQ(SrfState.UserWordLengths[0], 2);
  EXPECT_EQ(SrfState.UserWordKinds[0], kUserWordKind);
  EXPECT_EQ(SrfState.UserWordCodes[0][0], 3);
  EXPECT_EQ(SrfState.UserWordCodes[0][1], 4);
  EXPECT_EQ(SrfState.UserWordPinyin[1], "zhongguo");
  EXPECT_EQ(SrfState.UserWordPinyinAlt[1], "zhongguo");
  EXPECT_EQ(SrfState.UserWordInitials[1], "zg");
}

TEST_F(UserLexicon, ReloadReplacesTheWords) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({3, 4}) + std::string(1, '\0'));
  ASSERT_TRUE(LoadDictionaries().ok);
  folder_.WriteBytes("srf_pub.usr", Record({4, 1}) + std::string(1, '\0'));
  LoadUserLexicon();
  ASSERT_EQ(SrfState.UserWordCount, 1);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "renzhong");
}

TEST_F(UserLexicon, UnknownCharacterNumbersContributeNoLetters) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 0, 900}) + std::string(1, '\0'));
  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.UserWordCount, 1);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "zhong");
  EXPECT_EQ(SrfState.UserWordLengths[0], 3);
}

TEST_F(UserLexicon, OverlongWordsAreSkippedAndTheRestLoads) {
  std::string longWord(1, static_cast<char>(34));
  for (int i = 0; i < 34; ++i) longWord += std::string("\x01\x00", 2);
  folder_.WriteBytes("srf_pub.usr", longWord + Record({1, 2}) + std::string(1, '\0'));
  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.UserWordCount, 1);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "zhongguo");
}

// Without srf_pub.lrn (or with a damaged one) no word is known as learned: the earliest
// words give way, so the newest are offered.
TEST_F(UserLexicon, WordsBeyondTheTableLeaveOutTheEarliest) {
  std::string file;
  for (int i = 0; i < kUserWordCapacity + 5; ++i) file += Record({1, 2});
  folder_.WriteBytes("srf_pub.usr", file + Record({3, 4}) + std::string(1, '\0'));
  for (const std::string learned : {"", "\x02\x03"}) {
    folder_.WriteBytes("srf_pub.lrn", learned);
    ASSERT_TRUE(LoadDictionaries().ok);
    EXPECT_EQ(LoadUserLexicon(), 6);
    EXPECT_EQ(SrfState.UserWordCount, kUserWordCapacity);
    EXPECT_EQ(SrfState.UserWordPinyin[kUserWordCapacity - 1], "xingren");
  }
}

// The learned order makes the word the newest once and keeps only the lexicon's words.
TEST_F(UserLexicon, LearnedOrderMovesTheWordToTheEndAndForgetsWordsTheLexiconLost) {
  const std::string lexicon = Record({1, 2}) + Record({3, 4}) + Record({2, 1}) + '\0';
  const std::string learned = Record({1, 2}) + Record({4, 4}) + Record({3, 4}) + '\0';
  const int32 first[] = {1, 2}, other[] = {2, 1};
  EXPECT_EQ(LearnedWithRecord(learned, lexicon, first, 2), Record({3, 4}) + Record({1, 2}) + '\0');
  EXPECT_EQ(LearnedWithRecord(learned, lexicon, other, 2),
            Record({1, 2}) + Record({3, 4}) + Record({2, 1}) + '\0');
  EXPECT_EQ(LearnedWithRecord("", lexicon, other, 2), Record({2, 1}) + '\0');
}

TEST_F(UserLexicon, TruncatedOrUnterminatedFilesLoadTheWholeRecords) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({3, 4}).substr(0, 4));
  ASSERT_TRUE(LoadDictionaries().ok);
  EXPECT_EQ(SrfState.UserWordCount, 1);
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({3, 4}));
  LoadUserLexicon();
  EXPECT_EQ(SrfState.UserWordCount, 2);
}

TEST_F(UserLexicon, AppendUserWordKeepsOneEndByte) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + std::string(1, '\0'));
  SrfState.CollectedCodes[0] = 3;
  SrfState.CollectedCodes[1] = 300;
  SrfState.CollectedCodeCount = 2;
  ASSERT_TRUE(AppendUserWord("srf_pub.usr"));
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({1, 2}) + Record({3, 300}) + std::string(1, '\0'));
}

TEST_F(UserLexicon, AppendUserWordDoesNotCutARecordOfAnUnterminatedFile) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}));  // the end byte is missing
  SrfState.CollectedCodes[0] = 3;
  SrfState.CollectedCodes[1] = 4;
  SrfState.CollectedCodeCount = 2;
  ASSERT_TRUE(AppendUserWord("srf_pub.usr"));
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({1, 2}) + Record({3, 4}) + std::string(1, '\0'));
}

TEST_F(UserLexicon, AppendUserWordOverwritesOnlyADamagedPartialRecord) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({3, 4}).substr(0, 3));
  SrfState.CollectedCodes[0] = 4;
  SrfState.CollectedCodes[1] = 1;
  SrfState.CollectedCodeCount = 2;
  ASSERT_TRUE(AppendUserWord("srf_pub.usr"));
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({1, 2}) + Record({4, 1}) + std::string(1, '\0'));
  LoadUserLexicon();
  EXPECT_EQ(SrfState.UserWordCount, 2);
}

TEST_F(UserLexicon, AppendUserWordReplacesTheFileAndWritesNothingWhenItCannot) {
  SrfState.CollectedCodes[0] = 3;
  SrfState.CollectedCodes[1] = 4;
  SrfState.CollectedCodeCount = 2;
  // The lexicon is a link into a folder that is gone: nothing is made in the link's place.
  std::filesystem::create_symlink("gone/srf_pub.usr", "srf_pub.usr");
  EXPECT_FALSE(AppendUserWord("srf_pub.usr"));
  EXPECT_TRUE(std::filesystem::is_symlink("srf_pub.usr"));
  std::filesystem::remove("srf_pub.usr");

  const std::string before = Record({1, 2}) + std::string(1, '\0');
  folder_.WriteBytes("srf_pub.usr", before);
  struct stat st0 {
  }, st1{};
  ASSERT_EQ(::stat("srf_pub.usr", &st0), 0);
  ASSERT_TRUE(AppendUserWord("srf_pub.usr"));
  ASSERT_EQ(::stat("srf_pub.usr", &st1), 0);
  // A new file renamed over the old one: a crash mid-write cannot leave a cut record.
  EXPECT_NE(st0.st_ino, st1.st_ino);
  for (const auto& entry : std::filesystem::directory_iterator("."))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({1, 2}) + Record({3, 4}) + std::string(1, '\0'));
}

TEST_F(UserLexicon, AppendCorpusLineAddsATabLineInCrLf) {
  folder_.WriteBytes("srf_pub.dat", "cat\r\n\tone\r\n");
  ASSERT_TRUE(AppendCorpusLine("srf_pub.dat", "two"));
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), "cat\r\n\tone\r\n\ttwo\r\n");
  folder_.WriteBytes("srf_pub.dat", "cat\r\n\tone");  // last line without its ending
  ASSERT_TRUE(AppendCorpusLine("srf_pub.dat", "two"));
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), "cat\r\n\tone\r\n\ttwo\r\n");
}

TEST_F(UserLexicon, AppendCorpusLineReplacesTheFileInsteadOfRewritingInPlace) {
  folder_.WriteBytes("srf_pub.dat", "cat\r\n");
  struct stat st0 {
  }, st1{};
  ASSERT_EQ(::stat("srf_pub.dat", &st0), 0);
  ASSERT_TRUE(AppendCorpusLine("srf_pub.dat", "two"));
  ASSERT_EQ(::stat("srf_pub.dat", &st1), 0);
  // A new file renamed over the old one: a crash mid-write cannot leave half a corpus.
  EXPECT_NE(st0.st_ino, st1.st_ino);
  for (const auto& entry : std::filesystem::directory_iterator("."))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
}

}  // namespace
}  // namespace dazi
