#include "engine/startup/DictionaryLoader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;

// Five characters, two word lists, three phrase keys (two of them under c), one initials
// entry, and a seven-letter spelling.
testing::FixtureDictionary SmallDictionary() {
  testing::FixtureDictionary d;
  int zhong = d.AddChar("中"), guo = d.AddChar("国"), xing = d.AddChar("行");
  int ren = d.AddChar("人"), zhuang = d.AddChar("装");
  d.AddReading(zhong, "zhongs", kAttrSimplified | 1);
  d.AddReading(guo, "guos", kAttrSimplified | 1);
  d.AddReading(xing, "xingp", kAttrSimplified | 2);
  d.AddReading(xing, "hangp", kAttrSimplified | 3);
  d.AddReading(ren, "renp", kAttrSimplified | 4);
  d.AddReading(zhuang, "zhuangd", kAttrSimplified | 5);
  d.AddWord({zhong, guo});
  d.AddWord({guo, ren});
  for (int i = 0; i < 16; ++i)
    d.Source().readingPatterns[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 16 + 1);
  d.Source().zcCount3 = 77;
  auto phrase = [&](const std::string& pinyin, std::vector<std::uint16_t> chars) {
    dictwriter::Phrase p;
    p.pinyin = pinyin;
    p.chars = std::move(chars);
    p.simplified = true;
    p.firstSyllableLetters = 4;
    d.Source().phrases.push_back(p);
  };
  phrase("chenren", {static_cast<std::uint16_t>(zhong), static_cast<std::uint16_t>(ren)});
  phrase("zhongguo", {static_cast<std::uint16_t>(zhong), static_cast<std::uint16_t>(guo)});
  phrase("cangren", {static_cast<std::uint16_t>(guo), static_cast<std::uint16_t>(ren)});
  phrase("cangguo", {static_cast<std::uint16_t>(ren), static_cast<std::uint16_t>(guo)});
  dictwriter::Abbrev zg;
  zg.initials = "zg";
  zg.chars = {static_cast<std::uint16_t>(zhong), static_cast<std::uint16_t>(guo)};
  zg.simplified = true;
  d.Source().abbrevs.push_back(zg);
  return d;
}

class DictionaryLoader : public ::testing::Test {
 protected:
  testing::TempDataFolder folder_;
};

TEST_F(DictionaryLoader, LoadsHeaderPatternsAndSpellings) {
  testing::FixtureDictionary d = SmallDictionary();
  ASSERT_EQ(d.Write(), "");
  SrfState.MethodClass = 4;
  SrfState.CandidatesPerPage = 4;
  LoadResult r = LoadDictionaries();
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(SrfState.CharCount, 5);
  EXPECT_EQ(SrfState.WordIndexCount, 2);
  EXPECT_EQ(SrfState.ZcCount3, 77);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(SrfState.ReadingPatterns[i], i * 16 + 1) << i;
  EXPECT_EQ(SrfState.CandidatesPerPage, 10);
  EXPECT_EQ(SrfState.MethodClass, 0);
  EXPECT_EQ(CharText(1), GbkFromUtf8("中"));
  EXPECT_EQ(CharText(5), GbkFromUtf8("装"));
  EXPECT_EQ(CharText(6), "");

  ASSERT_EQ(SrfState.PinyinSyllableCount, 6);
  ASSERT_EQ(SrfState.PinyinSyllables.size(), 6u);
  const int zhuangd = d.SpellingNumber("zhuangd");
  EXPECT_EQ(SrfState.PinyinSyllables[static_cast<std::size_t>(zhuangd - 1)], "zhuangd");
  // The file holds it padded with two blanks.
  EXPECT_EQ(Dict.py.ReadBytes(9 * static_cast<std::size_t>(zhuangd) - 7, 9), "zhuangd  ");
}

TEST_F(DictionaryLoader, BucketsPhraseKeysByFirstLetterInStoredOrder) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.PhraseKeyCounts[2], 2);
  EXPECT_EQ(SrfState.PhraseKeys[2][0], "chen");
  EXPECT_EQ(SrfState.PhraseKeys[2][1], "cang");  // after the key already there
  EXPECT_EQ(SrfState.PhraseBlockSizes[2][0], 1);
  EXPECT_EQ(SrfState.PhraseBlockSizes[2][1], 2);
  ASSERT_EQ(SrfState.PhraseKeyCounts[25], 1);
  EXPECT_EQ(SrfState.PhraseKeys[25][0], "zhon");
  int total = 0;
  for (int count : SrfState.PhraseKeyCounts) total += count;
  EXPECT_EQ(total, 3);

  // The stored position leads to the block's first record: attribute, flags, pinyin length.
  const auto at = static_cast<std::size_t>(SrfState.PhraseBlockOffsets[2][1]);
  EXPECT_EQ(Dict.cpy.ReadU8(at), 0x40u);
  EXPECT_EQ(Dict.cpy.ReadU8(at + 1), 0x82u);
  EXPECT_EQ(Dict.cpy.ReadU8(at + 2), 7u);
  EXPECT_EQ(Dict.cpy.ReadBytes(at + 7, 7), "cangren");
}

TEST_F(DictionaryLoader, ReadsTheInitialsIndex) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  const int zg = 25 * 26 + ('g' - 'a');
  EXPECT_EQ(SrfState.AbbrevBlockSizes[zg], 1);
  const auto at = static_cast<std::size_t>(SrfState.AbbrevBlockOffsets[zg]);
  EXPECT_EQ(Dict.cpy.ReadU8(at), 0x82u);
  EXPECT_EQ(Dict.cpy.ReadU16(at + 1), 1u);
  EXPECT_EQ(Dict.cpy.ReadBytes(at + 5, 2), "zg");
  int nonEmpty = 0;
  for (int size : SrfState.AbbrevBlockSizes) nonEmpty += size > 0;
  EXPECT_EQ(nonEmpty, 1);
}

TEST_F(DictionaryLoader, BuildsThePrivateCodes) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  EXPECT_EQ(SrfState.PrivateCodes[0], "\xAA\xA1");
  EXPECT_EQ(SrfState.PrivateCodes[93], "\xAA\xFE");
  EXPECT_EQ(SrfState.PrivateCodes[94], "\xAB\xA1");
  EXPECT_EQ(SrfState.PrivateCodes[99], "\xAB\xA6");
}

TEST_F(DictionaryLoader, MissingDictionaryEndsTheLoadNamingTheFile) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  std::filesystem::remove("srf_pub.lm");
  LoadResult r = LoadDictionaries();
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("srf_pub.lm"), std::string::npos) << r.message;
  EXPECT_EQ(SrfState.CharCount, 0);  // the header step comes after the opening step
  EXPECT_EQ(SrfState.PinyinSyllableCount, 0);
  EXPECT_EQ(SrfState.PrivateCodes[0], "");
}

TEST_F(DictionaryLoader, MissingUserFilesAreCreatedAndTheLoadCompletes) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  LoadResult r = LoadDictionaries();
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.warning, "");
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), std::string(1, '\0'));
  const std::string corpus = folder_.ReadBytes("srf_pub.dat");
  ASSERT_GE(corpus.size(), 3u);
  EXPECT_NE(corpus[0], '\t');  // a category line
  EXPECT_EQ(corpus.substr(corpus.size() - 2), "\r\n");
  EXPECT_EQ(SrfState.PrivateCodes[99], "\xAB\xA6");
  EXPECT_EQ(SrfState.PhraseKeyCounts[2], 2);
}

TEST_F(DictionaryLoader, TooManyKeysForOneLetterKeepTheFirst501) {
  testing::FixtureDictionary d = SmallDictionary();
  d.Source().phrases.clear();
  for (int i = 0; i < 600; ++i) {
    dictwriter::Phrase p;
    p.pinyin = std::string("l") + static_cast<char>('a' + i / 26 % 26) +
               static_cast<char>('a' + i % 26) + "a";
    p.chars = {1, 2};
    d.Source().phrases.push_back(p);
  }
  ASSERT_EQ(d.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  EXPECT_EQ(SrfState.PhraseKeyCounts['l' - 'a'], kPhraseKeyCapacity);
  EXPECT_EQ(SrfState.PhraseKeys['l' - 'a'][500], "ltga");
}

TEST_F(DictionaryLoader, TruncatedFilesLoadWithoutFaulting) {
  ASSERT_EQ(SmallDictionary().Write(), "");
  folder_.WriteBytes("srf_pub.zc", folder_.ReadBytes("srf_pub.zc").substr(0, 6));
  folder_.WriteBytes("srf_pub.py", folder_.ReadBytes("srf_pub.py").substr(0, 7));
  folder_.WriteBytes("srf_pub.cpy", folder_.ReadBytes("srf_pub.cpy").substr(0, 3381));
  folder_.WriteBytes("srf_pub.pys", "");
  LoadResult r = LoadDictionaries();
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(SrfState.CharCount, 5);
  EXPECT_EQ(SrfState.WordIndexCount, 0);  // beyond the cut
  EXPECT_EQ(SrfState.PinyinSyllableCount, 6);
  EXPECT_EQ(SrfState.PinyinSyllables[0], "guos");  // what is left of the first text
  EXPECT_EQ(SrfState.PinyinSyllables[5], "");
  for (int count : SrfState.PhraseKeyCounts) EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace dazi
