#include "tools/dictbuild/Pinyin.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

std::string Plain(ToneSyllable s) {
  return s.syllable < 0 ? "?" : SyllableTable[s.syllable];
}

TEST(PinyinTest, MarkedReadingsLoseTheirToneMark) {
  EXPECT_EQ(Plain(ParseMarkedPinyin("zhōng")), "zhong");
  EXPECT_EQ(ParseMarkedPinyin("zhōng").tone, 1);
  EXPECT_EQ(Plain(ParseMarkedPinyin("lǜ")), "lv");
  EXPECT_EQ(ParseMarkedPinyin("lǜ").tone, 4);
  EXPECT_EQ(Plain(ParseMarkedPinyin("nüè")), "nve");
  EXPECT_EQ(Plain(ParseMarkedPinyin("de")), "de");
  EXPECT_EQ(ParseMarkedPinyin("de").tone, 5);
  EXPECT_EQ(Plain(ParseMarkedPinyin("ňg")), "ng");
}

TEST(PinyinTest, SpellingsOutsideTheTableAreRefused) {
  for (const char* s : {"ê", "ń", "hm", "hng", "fiao", "rua", ""})
    EXPECT_LT(ParseMarkedPinyin(s).syllable, 0) << s;
  for (const char* s : {"xx5", "m2", "A", "zhong1x", "len4", "hm5"})
    EXPECT_LT(ParseNumberedPinyin(s).syllable, 0) << s;
}

TEST(PinyinTest, NumberedSyllablesFromCedict) {
  EXPECT_EQ(Plain(ParseNumberedPinyin("Xi1")), "xi");
  EXPECT_EQ(ParseNumberedPinyin("Xi1").tone, 1);
  EXPECT_EQ(Plain(ParseNumberedPinyin("lu:4")), "lv");
  EXPECT_EQ(Plain(ParseNumberedPinyin("nu:e4")), "nve");
  EXPECT_EQ(Plain(ParseNumberedPinyin("r5")), "er");  // erhua is the er of 儿
  EXPECT_EQ(ParseNumberedPinyin("ma5").tone, 5);
  EXPECT_EQ(Plain(ParseNumberedPinyin("zhuang4")), "zhuang");
}

TEST(PinyinTest, ToneMarkSitsOnTheRightVowel) {
  auto mark = [](const char* plain, int tone) {
    return MarkTone(FindSyllable(plain, static_cast<int>(std::strlen(plain))), tone);
  };
  EXPECT_EQ(mark("zhong", 1), "zhōng");
  EXPECT_EQ(mark("hao", 3), "hǎo");
  EXPECT_EQ(mark("gou", 3), "gǒu");
  EXPECT_EQ(mark("liu", 2), "liú");
  EXPECT_EQ(mark("gui", 4), "guì");
  EXPECT_EQ(mark("xue", 2), "xué");
  EXPECT_EQ(mark("lv", 4), "lǜ");
  EXPECT_EQ(mark("lv", 5), "lü");
  EXPECT_EQ(mark("de", 5), "de");
}

}  // namespace
}  // namespace dazi::dictbuild
