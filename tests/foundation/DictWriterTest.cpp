#include "tools/dictwriter/DictWriter.h"

#include <gtest/gtest.h>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;

class DictWriter : public ::testing::Test {
 protected:
  testing::TempDataFolder folder_;
  testing::FixtureDictionary d_;
};

TEST_F(DictWriter, ReadingsOfPlainAndPolyphonicCharacters) {
  int zhong = d_.AddChar("中"), xing = d_.AddChar("行"), none = d_.AddChar("囗");
  d_.AddReading(zhong, "zhongs", kAttrSimplified | 1);
  d_.AddReading(xing, "xingp", kAttrSimplified | 2);
  d_.AddReading(xing, "hangp", kAttrSimplified | 7);
  ASSERT_EQ(d_.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  const auto& pys = Dict.pys;
  const std::uint32_t plain = pys.ReadU16(2 * (zhong - 1));
  EXPECT_EQ(plain >> 12, 6u);
  EXPECT_EQ(static_cast<int>(plain & 0xFFF), d_.SpellingNumber("zhongs"));
  const std::uint32_t poly = pys.ReadU16(2 * (xing - 1));
  ASSERT_GT(poly, 0x9FFFu);
  const std::size_t record = 2 * 3 + 10 * (poly & 0xFFF);
  EXPECT_EQ(static_cast<int>(pys.ReadU16(record) & 0xFFF), d_.SpellingNumber("xingp"));
  EXPECT_EQ(static_cast<int>(pys.ReadU16(record + 2) & 0xFFF), d_.SpellingNumber("hangp"));
  EXPECT_EQ(pys.ReadU16(record + 4), 0u);
  EXPECT_EQ(pys.ReadU16(2 * (none - 1)), 0u);

  // The spelling lists and the letter ranges.
  const std::size_t s = 3;
  const int x = d_.SpellingNumber("xingp");
  EXPECT_EQ(Dict.py.ReadU16(9 * s + 5 * x - 3), 1u);
  const std::size_t list = Dict.py.ReadU24(9 * s + 5 * x - 1);
  EXPECT_EQ(Dict.py.ReadU16(list), static_cast<std::uint32_t>(xing));
  EXPECT_EQ(Dict.py.ReadU16(list + 2), kAttrSimplified | 2u);
  EXPECT_EQ(Dict.py.ReadU16(14 * s + 4 * 24 - 2), static_cast<std::uint32_t>(x));  // x
  EXPECT_EQ(Dict.py.ReadU16(14 * s + 4 * 24), static_cast<std::uint32_t>(x));
  EXPECT_LT(Dict.py.ReadU16(14 * s + 4 * 9), Dict.py.ReadU16(14 * s + 4 * 9 - 2));  // i: empty
}

TEST_F(DictWriter, StrokeCodesWithVariantsUseMultiCodeRecords) {
  int a = d_.AddChar("八"), b = d_.AddChar("十"), c = d_.AddChar("丁");
  d_.Source().chars[0].strokeCodes = {dictwriter::PackStrokeCode("34"),
                                      dictwriter::PackStrokeCode("343")};
  d_.Source().chars[1].strokeCodes = {dictwriter::PackStrokeCode("6")};
  d_.Source().strokeLists[2] = {{static_cast<std::uint16_t>(a), 1, 0},
                                {static_cast<std::uint16_t>(a), 1, 1}};
  ASSERT_EQ(d_.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  const auto& lm = Dict.lm;
  EXPECT_EQ(lm.ReadU24(3 * (b - 1)), 6u << 21);
  const std::uint32_t m = lm.ReadU24(3 * (a - 1));
  ASSERT_LT(m, 3000u);
  EXPECT_GE(m, 1u);
  EXPECT_EQ(lm.ReadU24(9 + 30 + 15 * m), (3u << 21) | (4u << 18));
  EXPECT_EQ(lm.ReadU24(9 + 30 + 15 * m + 3), (3u << 21) | (4u << 18) | (3u << 15));
  // A character without codes reads the empty record 0, not another character's codes.
  const std::uint32_t empty = lm.ReadU24(3 * (c - 1));
  EXPECT_EQ(lm.ReadU24(9 + 30 + 15 * empty), 0u);
  const std::size_t list = lm.ReadU24(9 + 10);
  EXPECT_EQ(lm.ReadU16(9 + 13), 2u);
  EXPECT_EQ(lm.ReadU16(list + 3), static_cast<std::uint32_t>(a));
  EXPECT_EQ(lm.ReadU8(list + 5), 1u | (1u << 3));
}

TEST_F(DictWriter, GlossNumbersRunThroughTheWordLists) {
  int zhong = d_.AddChar("中"), guo = d_.AddChar("国"), ren = d_.AddChar("人");
  d_.Source().chars[0].gloss = "middle";
  d_.Source().chars[0].dictText = GbkFromUtf8("中：正中");
  d_.AddWord({zhong, guo}, true, false, 0, 0, "China");
  d_.AddWord({guo, ren}, true, false, 0, 0, "compatriot");
  d_.AddWord({zhong, ren}, true, false, 3, 0, "");
  ASSERT_EQ(d_.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  const auto& zy = Dict.zy;
  const std::size_t c = 3, w = 2;
  EXPECT_EQ(zy.ReadBytes(zy.ReadU24(3 * c) + 1, zy.ReadU8(zy.ReadU24(3 * c))), "middle");
  EXPECT_EQ(zy.ReadU8(zy.ReadU24(3 * c + 3)), 0u);  // 国 has no gloss
  const std::size_t text = zy.ReadU24(0);
  EXPECT_EQ(zy.ReadU8(text), 4u);
  EXPECT_EQ(zy.ReadBytes(text + 1, 8), GbkFromUtf8("中：正中"));
  // 中's list holds 中国 then 中人 (numbers 1, 2); 国's list starts at 3.
  EXPECT_EQ(zy.ReadU24(6 * c), 1u);
  EXPECT_EQ(zy.ReadU24(6 * c + 3), 3u);
  auto gloss = [&](std::size_t g) {
    const std::size_t at = zy.ReadU24(6 * c + 3 * w + 3 * (g - 1));
    return zy.ReadBytes(at + 1, zy.ReadU8(at));
  };
  EXPECT_EQ(gloss(1), "China");
  EXPECT_EQ(gloss(2), "");
  EXPECT_EQ(gloss(3), "compatriot");
  // The word list of 中 in preference order, with its group nibble.
  const std::size_t list = Dict.zc.ReadU24(7 + 2 * c + 3 * 1);
  EXPECT_EQ(Dict.zc.ReadU8(list), 0x82u);
  EXPECT_EQ(Dict.zc.ReadU16(list + 4), static_cast<std::uint32_t>(guo));
  EXPECT_EQ(Dict.zc.ReadU8(list + 7), 0x30u);
  EXPECT_EQ(Dict.zc.ReadU16(list + 10), static_cast<std::uint32_t>(ren));
}

TEST_F(DictWriter, RefusesDescriptionsTheFormatCannotHold) {
  int zhong = d_.AddChar("中");
  d_.AddWord({zhong, 5});  // no character 5
  EXPECT_NE(d_.Write(), "");
  d_.Source().words.clear();
  dictwriter::Phrase p;
  p.pinyin = "zhongzhong";
  p.chars.assign(16, static_cast<std::uint16_t>(zhong));
  d_.Source().phrases = {p};
  EXPECT_NE(d_.Write(), "");
  d_.Source().phrases.clear();
  d_.Source().chars[0].strokeCodes = {5};  // would read as a multi-code record number
  EXPECT_NE(d_.Write(), "");
  EXPECT_FALSE(std::filesystem::exists("srf_pub.zc"));  // nothing half-written
}

}  // namespace
}  // namespace dazi
