// English glosses and dictionary texts: readable, common senses first, no repeats, cut whole.
#include "tools/dictbuild/GlossText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Glosses.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

std::string Utf8(const std::string& gbk) {
  return Utf8FromGbk(gbk);
}

TEST(GlossTextTest, MarkupBecomesReadableText) {
  const std::pair<const char*, const char*> cases[] = {
      {"see 比如縣|比如县[Bi3 ru2 Xian4]", "see 比如县 (Bǐrú Xiàn)"},
      {"variant of 西安市[Xi1 an1 shi4]", "variant of 西安市 (Xī'ānshì)"},
      {"CL:個|个[ge4],位[wei4]", "measure word: 个, 位"},
      {"cello (CL:把[ba3])", "cello (measure word: 把)"},
      {"Taiwan pr. [gao1li4cai4]", "Taiwan pr. gāolìcài"},
      {"also pr. [shei2]", "also pr. shéi"},
      {"green [lu:4]", "green lǜ"},
      {"a bit [yi1 dian3 r5]", "a bit yīdiǎnr"},
      {"to eat", "to eat"},
  };
  for (const auto& [raw, readable] : cases) EXPECT_EQ(CleanSense(raw, false), readable) << raw;
  EXPECT_EQ(CleanSense("see 比如縣|比如县[Bi3 ru2 Xian4]", true), "see 比如縣 (Bǐrú Xiàn)");
}

TEST(GlossTextTest, CommonSensesComeBeforeProperNounsAndRepeatsGoOnce) {
  // CC-CEDICT lists 现代's capitalised entry first.
  const std::vector<std::pair<bool, std::string>> entries = {
      {true, "Hyundai, South Korean company"},
      {false, "modern times/modern age/modern era"},
      {false, "modern times; modern age/CL:個|个[ge4]"}};
  EXPECT_EQ(
      Utf8(WordGloss(entries, false)),
      "modern times; modern age; modern era; measure word: 个; Hyundai, South Korean company");
  // A variant form's sense that names the word itself says nothing.
  EXPECT_EQ(Utf8(WordGloss({{false, "so much/variant of 這麼|这么[zhe4 me5]"}}, false, "这么")),
            "so much");
  // A word that contains the character is no reference to it.
  EXPECT_EQ(Utf8(WordGloss({{false, "used in 鼩鼱[qu2 jing1]"}}, false, "鼱")),
            "used in 鼩鼱 (qújīng)");
}

TEST(GlossTextTest, GlossesAreCutBetweenSensesOrWords) {
  const std::string a(100, 'a'), b(100, 'b'), c(100, 'c');
  EXPECT_EQ(FitSenses({a, b, c}, kMaxGlossBytes), a + "; " + b);
  std::string words;
  for (int k = 0; k < 60; ++k) words += "word ";
  const std::string cut = FitSenses({words}, kMaxGlossBytes);
  EXPECT_LE(cut.size(), kMaxGlossBytes);
  EXPECT_EQ(cut.back(), 'd');  // after a whole word
  EXPECT_EQ(FitSenses({"to show", "to state", "To Show"}, kMaxGlossBytes), "to show; to state");
  // Two-byte characters are never split.
  std::string hanzi;
  for (int k = 0; k < 200; ++k) hanzi += GbkFromUtf8("字");
  EXPECT_EQ(FitSenses({hanzi}, 255).size(), 254u);
}

TEST(GlossTextTest, LettersWithoutAGbkCodeBecomePlainLetters) {
  EXPECT_EQ(Utf8(GbkText("Schrödinger, Muñoz, café, Łódź, lǜ")),
            "Schrodinger, Munoz, café, Lódz, lǜ");
  EXPECT_EQ(Utf8(GbkText("a 𠀀 b")), "a  b");  // a character GBK lacks is left out
}

TEST(GlossTextTest, PinyinIsMarkedAndJoined) {
  EXPECT_EQ(MarkedPinyin("Xi1 an1"), "Xī'ān");
  EXPECT_EQ(MarkedPinyin("zhong1 guo2"), "zhōngguó");
  EXPECT_EQ(MarkedPinyin("An1 hui1"), "ānhuī");  // GBK has no capital Ā
  EXPECT_EQ(MarkedPinyin("Ma3 ke4 · Tu3 wen1"), "Mǎkè · Tǔwēn");
}

// The dictionary text of 中 with a radical GBK lacks and a repeated example word.
TEST(DictionaryTextTest, PlainPinyinNoRadicalWithoutGbkCodeNoRepeats) {
  Sources sources;
  sources.unihan.chars.resize(static_cast<std::size_t>(kHanziCount));
  Model model;
  model.chars.resize(static_cast<std::size_t>(kHanziCount));
  const int zhong = HanziIndex(U'中');
  CharData& c = model.chars[static_cast<std::size_t>(zhong)];
  c.utf8 = "中";
  Reading r;
  r.syllable = FindSyllable("zhong", 5);
  r.tones = {1, 4};
  c.readings = {r};
  UnihanChar& u = sources.unihan.chars[static_cast<std::size_t>(zhong)];
  u.totalStrokes = 4;
  u.radical = 2;
  sources.unihan.radicalChars[2] = U'丨';
  std::string text = Utf8(DictionaryText(sources, model, zhong, {"中国", "中国", "中间"}));
  EXPECT_EQ(text, "中【zhōng，zhòng】部首丨，4画。词语：中国、中间。 ");
  sources.unihan.radicalChars[2] = U'\U00020000';  // no GBK code: the radical is left out
  const std::string gbk = DictionaryText(sources, model, zhong, {});
  EXPECT_EQ(gbk.size() % 2, 0u);  // counted in two-byte units
  EXPECT_EQ(Utf8(gbk), "中【zhōng，zhòng】4画。 ");
}

}  // namespace
}  // namespace dazi::dictbuild
