// Where a character stands in the candidate lists: spelling records, ranks per class and
// initial, reading shares and the readings of traditional use.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Characters.h"
#include "tools/dictbuild/Defaults.h"
#include "tools/dictbuild/EverydayUse.h"
#include "tools/dictbuild/Readings.h"
#include "tools/dictbuild/Spellings.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

int Syllable(const char* s) {
  return FindSyllable(s, static_cast<int>(std::strlen(s)));
}

struct ReadingSpec {
  const char* syllable;
  double share;
  bool traditionalUse = false;
};

CharData Char(int number, std::uint8_t classes, std::vector<ReadingSpec> readings,
              double simplified, double traditional = 0) {
  CharData c;
  c.number = number;
  c.classes = classes;
  c.strokes = "h";
  c.classFrequency[0] = simplified;
  c.classFrequency[1] = traditional;
  for (const ReadingSpec& r : readings) {
    Reading reading;
    reading.syllable = Syllable(r.syllable);
    reading.share = r.share;
    reading.traditionalUse = r.traditionalUse;
    c.readings.push_back(reading);
  }
  return c;
}

constexpr std::uint8_t kST = kSimplified | kTraditional;

int Rank(const RankTable& ranks, char letter, int cls, std::size_t index) {
  return ranks[static_cast<std::size_t>(letter - 'a')][static_cast<std::size_t>(cls)][index];
}

// The lookup files a character under the first record that lists it: a syllable's records
// must come before those of every longer syllable it begins (zhe before zhei), so that a
// character read both ways counts as an exact reading of what was typed.
TEST(SpellingOrderTest, ASyllableComesBeforeTheLongerSyllablesItBegins) {
  Model model;
  for (int s = 0; s < kSyllableCount; ++s)
    model.chars.push_back(Char(s + 1, kSimplified, {{SyllableTable[s], 1}}, 1));
  BuildReport report;
  const SpellingTable table = BuildSpellings(model, &report);
  for (int s = 0; s < kSyllableCount; ++s)
    for (int t = 0; t < kSyllableCount; ++t) {
      const std::size_t n = std::strlen(SyllableTable[s]);
      if (s == t || std::strncmp(SyllableTable[s], SyllableTable[t], n) != 0) continue;
      EXPECT_LT(table.numberOf.at({s, 'h'}), table.numberOf.at({t, 'h'}))
          << SyllableTable[s] << " after " << SyllableTable[t];
    }
}

TEST(RankTest, EachClassRanksByItsOwnFrequency) {
  // 后 is frequent in simplified text; traditional text writes most of its uses as 後.
  Model model;
  model.chars = {Char(1, kST, {{"hou", 1}}, 1000, 100), Char(2, kTraditional, {{"hou", 1}}, 0, 900),
                 Char(3, kST, {{"hou", 1}}, 500, 500)};
  BuildReport report;
  const RankTable ranks = AssignRanks(model, &report);
  EXPECT_EQ(Rank(ranks, 'h', 0, 0), 1);
  EXPECT_EQ(Rank(ranks, 'h', 0, 2), 2);
  EXPECT_EQ(Rank(ranks, 'h', 0, 1), 0);  // 後 is not simplified
  EXPECT_EQ(Rank(ranks, 'h', 1, 1), 1);
  EXPECT_EQ(Rank(ranks, 'h', 1, 2), 2);
  EXPECT_EQ(Rank(ranks, 'h', 1, 0), 3);
  // 后 is listed once per class (two ranks), 候 once for both.
  const SpellingTable table = BuildSpellings(model, &report);
  const auto& entries = table.spellings[table.numberOf.at({Syllable("hou"), 'h'}) - 1].entries;
  std::vector<std::pair<int, int>> listed;  // (character number, attribute without priority)
  for (const auto& e : entries)
    listed.push_back({e.charNo, e.attribute & ~dictwriter::kAttrPriority});
  EXPECT_EQ(listed, (std::vector<std::pair<int, int>>{
                        {1, 1 | dictwriter::kAttrSimplified},
                        {2, 1 | dictwriter::kAttrTraditional},
                        {3, 2 | dictwriter::kAttrSimplified | dictwriter::kAttrTraditional},
                        {1, 3 | dictwriter::kAttrTraditional}}));
}

TEST(RankTest, ARareReadingRanksByItsOwnShare) {
  // 广 is read ān almost never: under a it comes after the characters really read so.
  Model model;
  model.chars = {Char(1, kSimplified, {{"guang", 0.99}, {"an", 0.01}}, 10000),
                 Char(2, kSimplified, {{"an", 1}}, 3000), Char(3, kSimplified, {{"an", 1}}, 500)};
  BuildReport report;
  const RankTable ranks = AssignRanks(model, &report);
  EXPECT_EQ(Rank(ranks, 'a', 0, 1), 1);
  EXPECT_EQ(Rank(ranks, 'a', 0, 2), 2);
  EXPECT_EQ(Rank(ranks, 'a', 0, 0), 3);
  EXPECT_EQ(Rank(ranks, 'g', 0, 0), 1);
}

TEST(RankTest, SimplifiedClassLeavesOutReadingsOfTraditionalUse) {
  // 著 is zhe only as the traditional form of 着; simplified text reads it zhù (著名).
  Model model;
  model.chars = {
      Char(1, kST, {{"zhe", 0.9, true}, {"zhu", 0.07}, {"zhuo", 0.03}}, 400, 4000),
      Char(2, kST, {{"zhe", 1}}, 5000, 5000),
      // 後: simplified only through its traditional use; it keeps the reading, far behind.
      Char(3, kSimplified, {{"hou", 1, true}}, 600), Char(4, kSimplified, {{"hou", 1}}, 10)};
  const CharData& zhu = model.chars[0];
  EXPECT_FALSE(ListedInClass(zhu, 0, 0));
  EXPECT_TRUE(ListedInClass(zhu, 0, 1));
  EXPECT_EQ(MainInClass(zhu, 0), 1u);
  EXPECT_EQ(MainInClass(zhu, 1), 0u);
  EXPECT_NEAR(ShareInClass(zhu, 1, 0), 0.7, 1e-9);
  EXPECT_TRUE(ListedInClass(model.chars[2], 0, 0));

  BuildReport report;
  const SpellingTable table = BuildSpellings(model, &report);
  auto entriesOf = [&](const char* syllable) {
    std::vector<std::pair<int, int>> out;  // (character number, class bits)
    for (const auto& e : table.spellings[table.numberOf.at({Syllable(syllable), 'h'}) - 1].entries)
      out.push_back({e.charNo, e.attribute & 0xE000});
    return out;
  };
  using namespace dictwriter;
  EXPECT_EQ(entriesOf("zhe"), (std::vector<std::pair<int, int>>{
                                  {2, kAttrSimplified | kAttrTraditional}, {1, kAttrTraditional}}));
  EXPECT_EQ(entriesOf("zhu"),
            (std::vector<std::pair<int, int>>{{1, kAttrTraditional}, {1, kAttrSimplified}}));
  const RankTable ranks = AssignRanks(model, &report);
  EXPECT_EQ(Rank(ranks, 'h', 0, 3), 1);  // 600 * 0.01 < 10
  EXPECT_EQ(Rank(ranks, 'h', 0, 2), 2);
}

// Sources and model sized for the whole table, with a few characters filled in.
struct SmallSources {
  SmallSources() {
    sources.unihan.chars.resize(static_cast<std::size_t>(kHanziCount));
    sources.junda.assign(static_cast<std::size_t>(kHanziCount), 0);
    model.chars.resize(static_cast<std::size_t>(kHanziCount));
    for (int i = 0; i < kHanziCount; ++i) {
      CharData& c = model.chars[static_cast<std::size_t>(i)];
      AppendUtf8(&c.utf8, kFirstHanzi + static_cast<char32_t>(i));
    }
  }
  static std::size_t At(const char* utf8) {
    std::size_t pos = 0;
    return static_cast<std::size_t>(HanziIndex(DecodeUtf8(utf8, &pos)));
  }
  UnihanChar& Unihan(const char* utf8) { return sources.unihan.chars[At(utf8)]; }
  CharData& Of(const char* utf8) { return model.chars[At(utf8)]; }
  void Word(const char* traditional, const char* simplified, std::vector<const char*> pinyin,
            const char* senses = "x") {
    CedictEntry e;
    for (std::size_t pos = 0; pos < std::strlen(traditional);)
      e.traditional.push_back(DecodeUtf8(traditional, &pos));
    for (std::size_t pos = 0; pos < std::strlen(simplified);)
      e.simplified.push_back(DecodeUtf8(simplified, &pos));
    for (const char* p : pinyin) e.pinyin.push_back(ParseNumberedPinyin(p));
    e.senses = senses;
    sources.cedict.push_back(e);
  }
  Sources sources;
  Model model;
};

TEST(ReadingsTest, SharesOfUseAndReadingsOfTraditionalUse) {
  SmallSources s;
  UnihanChar& zhu = s.Unihan("著");
  zhu.modern = {ParseMarkedPinyin("zhe"), ParseMarkedPinyin("zhù"), ParseMarkedPinyin("zhuó")};
  zhu.standard = {ParseMarkedPinyin("zhù"), ParseMarkedPinyin("zhuó")};
  zhu.pinlu = {{ParseMarkedPinyin("zhe"), 900},
               {ParseMarkedPinyin("zhù"), 70},
               {ParseMarkedPinyin("zhuó"), 30}};
  s.Word("著", "着", {"zhe5"});
  s.Word("著", "著", {"zhu4"});
  UnihanChar& guang = s.Unihan("广");
  guang.modern = {ParseMarkedPinyin("guǎng"), ParseMarkedPinyin("ān")};
  guang.pinlu = {{ParseMarkedPinyin("guǎng"), 500}};
  BuildReport report;
  AssignReadings(s.sources, &s.model, &report);

  const auto& r = s.Of("著").readings;
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].syllable, Syllable("zhe"));
  EXPECT_TRUE(r[0].traditionalUse);  // only as 着's traditional form, and not standard
  EXPECT_FALSE(r[1].traditionalUse);
  EXPECT_FALSE(r[2].traditionalUse);  // the 2013 standard has it
  EXPECT_NEAR(r[0].share, 0.9, 1e-9);
  EXPECT_NEAR(r[1].share, 0.07, 1e-9);
  const auto& g = s.Of("广").readings;
  ASSERT_EQ(g.size(), 2u);
  EXPECT_NEAR(g[0].share, 1, 1e-9);
  EXPECT_EQ(g[1].share, kUnheardShare);
}

TEST(ClassFrequencyTest, TraditionalFormsShareTheirSimplifiedCharacterByTheWordsWritten) {
  SmallSources s;
  s.Of("后").classes = kSimplified | kTraditional;
  s.Of("後").classes = kTraditional;
  s.sources.junda[SmallSources::At("后")] = 1000;
  s.Word("以後", "以后", {"yi3", "hou4"});
  s.Word("皇后", "皇后", {"huang2", "hou4"});
  s.Word("後", "后", {"hou4"});
  s.Word("后", "后", {"hou4"});
  s.Word("後來", "后来", {"hou4", "lai2"}, "variant of 後來|后来[hou4 lai2]");  // no weight
  s.sources.jieba = {{"以后", 900}, {"皇后", 100}, {"后来", 5000}};
  const OpenGramLexicon lexicon;
  const OpenGramModel lm;
  const OpenGramIndex openGram(lexicon, lm);
  const WordFrequencies frequencies(s.sources.jieba, openGram);
  AssignClassFrequencies(s.sources, frequencies, &s.model.chars);
  EXPECT_DOUBLE_EQ(s.Of("后").classFrequency[0], 1000);
  EXPECT_DOUBLE_EQ(s.Of("后").classFrequency[1], 100);
  EXPECT_DOUBLE_EQ(s.Of("後").classFrequency[1], 900);
  EXPECT_DOUBLE_EQ(s.Of("後").classFrequency[0], 0);
}

// Which readings carry the priority bit: under each syllable the characters with it come
// first, by rank, so a frequent character's second reading stands by its count.
TEST(PriorityTest, ReadingsInEverydayUseRankByTheirCount) {
  Model model;
  // Everyday use starts at the count of the 3000th most frequent character: 100 here.
  for (std::size_t i = 0; i < kEverydayReadingRank; ++i)
    model.chars.push_back(Char(static_cast<int>(i) + 100, kST, {}, 100, 100));
  const std::size_t at = model.chars.size();
  model.chars.push_back(Char(1, kST, {{"chang", 0.7}, {"zhang", 0.3}}, 9000, 9000));  // 长
  model.chars.push_back(Char(2, kST, {{"da", 0.995}, {"dai", 0.005}}, 9000, 9000));   // 大
  model.chars.push_back(Char(3, kSimplified, {{"zhang", 1}}, 3));                     // rare
  model.chars.push_back(Char(4, kSimplified, {{"zhang", 1}}, 500));  // a radical form
  model.chars.back().everydayUse = false;
  // 还: huán ranks by hái under h. Ten huan characters are used more: it waits behind them.
  model.chars.push_back(Char(5, kST, {{"hai", 0.9}, {"huan", 0.1}}, 10000, 10000));
  for (int n = 6; n < 16; ++n) model.chars.push_back(Char(n, kST, {{"huan", 1}}, 5000, 5000));
  // 都: dū ranks by dōu under d; among the few characters read du it leads.
  model.chars.push_back(Char(16, kST, {{"dou", 0.8}, {"du", 0.2}}, 10000, 10000));
  model.chars.push_back(Char(17, kST, {{"du", 1}}, 5000, 5000));
  const PriorityTable p = AssignPriorities(model);
  auto has = [&](std::size_t index, std::size_t j, std::uint8_t cls) {
    return (p[at + index][j] & cls) != 0;
  };
  EXPECT_TRUE(has(0, 0, kSimplified));
  EXPECT_TRUE(has(0, 1, kSimplified));   // a second reading in everyday use
  EXPECT_TRUE(has(0, 1, kTraditional));  // the traditional class alike
  EXPECT_FALSE(has(1, 1, kSimplified));  // 9000 * 0.005 < 100
  EXPECT_FALSE(has(2, 0, kSimplified));  // a rare character
  EXPECT_FALSE(has(3, 0, kSimplified));  // out of everyday use
  EXPECT_TRUE(has(4, 0, kSimplified));
  EXPECT_FALSE(has(4, 1, kSimplified));  // would stand first under huan, before ten more used
  EXPECT_TRUE(has(5, 0, kSimplified));
  EXPECT_TRUE(has(15, 1, kSimplified));  // among the few read du it stands first anyway
  // The bits reach the spelling records.
  BuildReport report;
  const SpellingTable table = BuildSpellings(model, &report);
  for (const auto& e : table.spellings[table.numberOf.at({Syllable("zhang"), 'h'}) - 1].entries) {
    if (e.charNo == 1) EXPECT_NE(e.attribute & dictwriter::kAttrPriority, 0);
  }
}

TEST(ReadingsTest, TheMainReadingIsTheOneWithTheLargestShare) {
  // kHanyuPinlu hears 似 mostly as shì (似的); the words read it sì (似乎, 相似, 类似).
  SmallSources s;
  UnihanChar& si = s.Unihan("似");
  si.modern = {ParseMarkedPinyin("sì"), ParseMarkedPinyin("shì")};
  si.pinlu = {{ParseMarkedPinyin("shì"), 60}, {ParseMarkedPinyin("sì"), 40}};
  s.Word("似乎", "似乎", {"si4", "hu1"});
  s.Word("相似", "相似", {"xiang1", "si4"});
  s.Word("似的", "似的", {"shi4", "de5"});
  s.sources.jieba = {{"似乎", 900}, {"相似", 500}, {"似的", 100}};
  // The particle 呢 stands alone: its words (呢子) do not outvote what kHanyuPinlu hears.
  UnihanChar& ne = s.Unihan("呢");
  ne.modern = {ParseMarkedPinyin("ne"), ParseMarkedPinyin("ní")};
  ne.pinlu = {{ParseMarkedPinyin("ne"), 1000}, {ParseMarkedPinyin("ní"), 10}};
  s.Word("呢子", "呢子", {"ni2", "zi5"});
  s.sources.jieba.emplace("呢子", 500);
  // Without any evidence the sources' order stands.
  UnihanChar& rare = s.Unihan("罴");
  rare.modern = {ParseMarkedPinyin("pí"), ParseMarkedPinyin("bǐ")};
  BuildReport report;
  AssignReadings(s.sources, &s.model, &report);
  const auto& r = s.Of("似").readings;
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].syllable, Syllable("si"));  // (0.4 + 1400/1500) / 2 against (0.6 + 100/1500) / 2
  EXPECT_GT(r[0].share, r[1].share);
  EXPECT_EQ(s.Of("呢").readings[0].syllable, Syllable("ne"));
  ASSERT_EQ(s.Of("罴").readings.size(), 2u);
  EXPECT_EQ(s.Of("罴").readings[0].syllable, Syllable("pi"));
}

TEST(EverydayUseTest, RareRadicalsAndElementsAreOutOfEverydayUse) {
  SmallSources s;
  s.Word("氵", "氵", {"shui3"}, "\"water\" radical in Chinese characters (Kangxi radical 85)");
  s.Word("鉿", "铪", {"ha1"}, "hafnium (chemistry)");
  s.Word("氧", "氧", {"yang3"}, "oxygen (chemistry)");
  s.Word("訥", "讷", {"ne4"}, "to speak slowly/inarticulate");
  s.Word("哈", "哈", {"ha1"}, "laughter");
  s.Word("哈", "哈", {"ha3"}, "a radical opinion");  // one entry of another sense keeps it
  // Frequent characters stay in everyday use whatever they name (氧): only the rare ones go.
  for (std::size_t i = 0; i < kEverydayCharacters; ++i) s.model.chars[i].frequency = 100;
  s.Of("氧").frequency = 100;
  s.Of("铪").frequency = 1;
  s.Of("哈").frequency = 1;
  MarkEverydayUse(s.sources, &s.model);
  EXPECT_FALSE(s.Of("氵").everydayUse);
  EXPECT_FALSE(s.Of("铪").everydayUse);
  EXPECT_FALSE(s.Of("鉿").everydayUse);
  EXPECT_TRUE(s.Of("氧").everydayUse);
  EXPECT_TRUE(s.Of("讷").everydayUse);
  EXPECT_TRUE(s.Of("哈").everydayUse);
  EXPECT_TRUE(s.Of("罴").everydayUse);  // no entry at all: nothing says it is out of use
}

TEST(DefaultsTest, TheCharacterWrittenAsAWordOfItsOwnStandsForTheSyllable) {
  Model model;
  // 情 is the more frequent character (事情, 感情); 请 stands alone more often.
  model.chars = {Char(1, kST, {{"qing", 1}}, 900, 900), Char(2, kSimplified, {{"qing", 1}}, 500),
                 Char(3, kTraditional, {{"qing", 1}}, 0, 500),
                 // 轻's main reading is another syllable's: it never stands for qing.
                 Char(4, kST, {{"ma", 1}, {"qing", 0.5}}, 5000, 5000)};
  model.chars[0].soloFrequency[0] = model.chars[0].soloFrequency[1] = 10;
  model.chars[1].soloFrequency[0] = 400;
  model.chars[2].soloFrequency[1] = 400;
  model.chars[3].soloFrequency[0] = model.chars[3].soloFrequency[1] = 9000;
  const auto defaults = ChooseDefaults(model);
  EXPECT_EQ(defaults[static_cast<std::size_t>(Syllable("qing"))][0], 2);
  EXPECT_EQ(defaults[static_cast<std::size_t>(Syllable("qing"))][1], 3);
  // Without word counts the most frequent character.
  for (CharData& c : model.chars) c.soloFrequency[0] = c.soloFrequency[1] = 0;
  EXPECT_EQ(ChooseDefaults(model)[static_cast<std::size_t>(Syllable("qing"))][0], 1);
}

}  // namespace
}  // namespace dazi::dictbuild
