#include "tools/dictbuild/Validator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/core/Gbk.h"
#include "tools/dictwriter/DictWriter.h"

namespace dazi::dictbuild {
namespace {

using namespace dictwriter;

constexpr std::uint16_t kS = kAttrSimplified, kT = kAttrTraditional;

// 中 国 行: 中 zhong, 国 guo, 行 xing (main) and hang, with one word, phrase and
// initials entry: a small set of files that passes every check.
DictionarySource ValidSource() {
  DictionarySource src;
  for (const char* ch : {"中", "国", "行"}) {
    Character c;
    c.gbk = GbkFromUtf8(ch);
    c.strokeCodes = {PackStrokeCode(std::string(ch) == "国" ? "2511" : "2512")};
    c.gloss = "gloss";
    src.chars.push_back(c);
  }
  src.chars[2].strokeCodes = {PackStrokeCode("332112")};
  src.spellings = {{"guos", {{2, 1 | kS | kAttrPriority}}},
                   {"hangp", {{3, 1 | kS | kT}}},
                   {"xingp", {{3, 1 | kS | kT | kAttrPriority}}},
                   {"zhongs", {{1, 1 | kS | kT | kAttrPriority}}}};
  src.chars[0].readings = {4};
  src.chars[1].readings = {1};
  src.chars[2].readings = {3, 2};
  src.words = {{{1, 2}, true, false, 0, 0, "China"}};
  src.strokeLists[1] = {{1, kStrokeSimplified | kStrokeTraditional, 0}, {2, kStrokeSimplified, 0}};
  src.strokeLists[2] = {{3, kStrokeSimplified | kStrokeTraditional, 0}};
  src.phrases = {{"zhongguo", {1, 2}, 5, 0, true, false}};
  src.abbrevs = {{"zg", {1, 2}, true, false}};
  return src;
}

class ValidatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("dictbuild-check-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::vector<std::string> Check(const DictionarySource& src) {
    EXPECT_EQ(WriteDictionaries(src, dir_.string()), "");
    return CheckDictionaries(dir_.string());
  }
  static bool Mentions(const std::vector<std::string>& problems, const std::string& part) {
    for (const std::string& p : problems)
      if (p.find(part) != std::string::npos) return true;
    return false;
  }
  std::filesystem::path dir_;
};

TEST_F(ValidatorTest, AConsistentSetPasses) {
  EXPECT_EQ(Check(ValidSource()), std::vector<std::string>{});
}

TEST_F(ValidatorTest, RankRulesPerInitialAndClass) {
  DictionarySource clash = ValidSource();  // 行 and a second z character share rank 1
  clash.spellings[3].entries.push_back({3, 1 | kT});
  clash.chars[2].readings = {3, 2, 4};
  EXPECT_TRUE(Mentions(Check(clash), "share rank 1"));

  DictionarySource twoRanks = ValidSource();
  twoRanks.spellings[1].text = "xiangp";  // 行 read xiang and xing: both under initial x
  twoRanks.spellings[1].entries[0].attribute = 2 | kS | kT;
  EXPECT_TRUE(Mentions(Check(twoRanks), "two ranks in one class under one initial"));

  // A character may hold one rank per class, listed once per class.
  DictionarySource perClass = ValidSource();
  perClass.spellings[1].entries = {{3, 1 | kS}, {3, 2 | kT}};
  perClass.spellings[2].entries = {{3, 2 | kS | kAttrPriority}, {3, 1 | kT | kAttrPriority}};
  EXPECT_EQ(Check(perClass), std::vector<std::string>{});
  DictionarySource twice = perClass;
  twice.spellings[2].entries[1].attribute |= kS;
  EXPECT_TRUE(Mentions(Check(twice), "listed twice in one class"));
  // A class may leave out a reading; the first it lists may then carry the priority bit.
  DictionarySource classes = perClass;  // traditional under hang, not under xing
  classes.spellings[2].entries.pop_back();
  classes.spellings[1].entries[1].attribute |= kAttrPriority;
  EXPECT_EQ(Check(classes), std::vector<std::string>{});

  DictionarySource beyond = ValidSource();
  beyond.spellings[0].entries[0].attribute = 2501 | kS | kAttrPriority;
  EXPECT_TRUE(Mentions(Check(beyond), "rank 2501"));
}

TEST_F(ValidatorTest, ReadingsListingsAndPriorityMustAgree) {
  DictionarySource wrongPriority = ValidSource();
  wrongPriority.spellings[1].entries[0].attribute |= kAttrPriority;
  wrongPriority.spellings[2].entries[0].attribute &= static_cast<std::uint16_t>(~kAttrPriority);
  EXPECT_TRUE(Mentions(Check(wrongPriority), "priority bit of character 3 under hangp"));
  // A second reading in everyday use carries the bit too; a character out of everyday use
  // has none.
  DictionarySource both = ValidSource();
  both.spellings[1].entries[0].attribute |= kAttrPriority;
  EXPECT_EQ(Check(both), std::vector<std::string>{});
  DictionarySource none = ValidSource();
  none.spellings[2].entries[0].attribute &= static_cast<std::uint16_t>(~kAttrPriority);
  EXPECT_EQ(Check(none), std::vector<std::string>{});

  DictionarySource lost = ValidSource();  // 行's hang reading lists no character
  lost.spellings[1].entries.clear();
  EXPECT_TRUE(Mentions(Check(lost), "missing from the list of its reading hangp"));
}

TEST_F(ValidatorTest, FirstStrokeListsHoldACharacterOncePerClass) {
  // Listed once per class at its own place in each class's order.
  DictionarySource perClass = ValidSource();
  perClass.strokeLists[1] = {
      {1, kStrokeSimplified, 0}, {2, kStrokeSimplified, 0}, {1, kStrokeTraditional, 0}};
  EXPECT_EQ(Check(perClass), std::vector<std::string>{});
  DictionarySource twice = perClass;
  twice.strokeLists[1][2].classBits |= kStrokeSimplified;
  EXPECT_TRUE(Mentions(Check(twice), "character 1 appears twice in first-stroke list 2"));
}

TEST_F(ValidatorTest, PhraseCapacities) {
  DictionarySource keys = ValidSource();
  for (int i = 0; i < 502; ++i) {
    std::string key = "z";
    for (int v = i, k = 0; k < 3; ++k, v /= 26) key.push_back(static_cast<char>('a' + v % 26));
    keys.phrases.push_back({key, {1}, 1, 1, true, false});
  }
  EXPECT_TRUE(Mentions(Check(keys), "more than 501 phrase keys begin with z"));

  DictionarySource block = ValidSource();
  block.phrases.assign(1202, {"zhongguo", {1, 2}, 5, 1, true, false});
  EXPECT_TRUE(Mentions(Check(block), "holds 1202 records"));

  DictionarySource initials = ValidSource();
  initials.abbrevs.assign(1002, {"zg", {1, 2}, true, false});
  EXPECT_TRUE(Mentions(Check(initials), "initials block zg holds 1002"));
}

TEST_F(ValidatorTest, OneLetterWordPoolLeavesRoomForUserWords) {
  DictionarySource src = ValidSource();
  src.words.assign(7002, {{1, 2}, true, false, 0, 0, ""});
  EXPECT_TRUE(Mentions(Check(src), "simplified word pool of initial z holds 7002"));
  src.words.assign(7001, {{1, 2}, true, false, 0, 0, ""});
  EXPECT_EQ(Check(src), std::vector<std::string>{});
}

TEST_F(ValidatorTest, WordsOutOfPreferenceOrderAreReported) {
  DictionarySource src = ValidSource();
  src.words = {{{1, 2}, true, false, 3, 0, ""}, {{1, 3}, true, false, 1, 0, ""}};
  EXPECT_TRUE(Mentions(Check(src), "not in preference order"));
}

TEST_F(ValidatorTest, TruncatedOrCorruptedFilesFailWithoutFaulting) {
  ASSERT_EQ(Check(ValidSource()), std::vector<std::string>{});
  for (const char* name :
       {"srf_pub.zc", "srf_pub.py", "srf_pub.pys", "srf_pub.lm", "srf_pub.cpy", "srf_pub.zy"}) {
    const std::filesystem::path path = dir_ / name;
    std::string whole;
    {
      std::ifstream in(path, std::ios::binary);
      whole.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    for (std::size_t cut : {std::size_t{0}, std::size_t{3}, whole.size() / 2, whole.size() - 5}) {
      std::ofstream(path, std::ios::binary | std::ios::trunc)
          .write(whole.data(), static_cast<std::streamsize>(cut));
      EXPECT_FALSE(CheckDictionaries(dir_.string()).empty()) << name << " cut to " << cut;
    }
    // Every byte set to 0xFF in turn: the checker must stay inside the files.
    for (std::size_t i = 0; i < whole.size(); i += 7) {
      std::string broken = whole;
      broken[i] = '\xFF';
      std::ofstream(path, std::ios::binary | std::ios::trunc) << broken;
      CheckDictionaries(dir_.string());
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << whole;
  }
  std::filesystem::remove(dir_ / "srf_pub.lm");
  EXPECT_TRUE(Mentions(CheckDictionaries(dir_.string()), "srf_pub.lm: cannot open"));
}

}  // namespace
}  // namespace dazi::dictbuild
