// What each character class gets of the data made for the other: stroke lists ordered by the
// class's own frequency, and the phrases the frequency lists know only in simplified form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/StrokeCodes.h"
#include "tools/dictbuild/TraditionalPhrases.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

constexpr std::uint8_t kST = kSimplified | kTraditional;

CharData StrokeChar(int number, std::uint8_t classes, double simplified, double traditional) {
  CharData c;
  c.number = number;
  c.classes = classes;
  c.classFrequency[0] = simplified;
  c.classFrequency[1] = traditional;
  c.frequency = std::max(simplified, traditional);
  return c;
}

// Character numbers of the class's entries in list d (0-based first stroke), in order.
std::vector<int> ListedFor(const std::vector<dictwriter::StrokeListEntry>& list,
                           std::uint8_t classBit) {
  std::vector<int> out;
  for (const auto& e : list)
    if (e.classBits & classBit) out.push_back(e.charNo);
  return out;
}

TEST(StrokeListTest, EachClassListsByItsOwnFrequency) {
  // 瞭 takes 了's count in traditional text and has a small one of its own in simplified text.
  Model model;
  model.chars = {StrokeChar(1, kST, 0.5, 9000),         // 瞭
                 StrokeChar(2, kST, 300, 300),          // 睁
                 StrokeChar(3, kSimplified, 200, 0),    // 睐
                 StrokeChar(4, kTraditional, 0, 100)};  // 睞
  StrokeCodeTable codes = {{"25111"}, {"25111"}, {"25111"}, {"25111"}};
  BuildReport report;
  const auto lists = BuildStrokeLists(model, codes, &report);
  EXPECT_EQ(ListedFor(lists[1], kStrokeSimplified), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(ListedFor(lists[1], kStrokeTraditional), (std::vector<int>{1, 2, 4}));
  // 睁 stands at the same place for both classes: one entry.
  int entriesOf2 = 0;
  for (const auto& e : lists[1]) entriesOf2 += e.charNo == 2;
  EXPECT_EQ(entriesOf2, 1);
  EXPECT_EQ(report.strokeListSizes[1][0], 3);
  EXPECT_EQ(report.strokeListSizes[1][1], 3);
}

// Sources and model sized for the whole table, a few characters given classes.
struct Hanzi {
  Hanzi() {
    sources.unihan.chars.resize(static_cast<std::size_t>(kHanziCount));
    model.chars.resize(static_cast<std::size_t>(kHanziCount));
  }
  static int At(const char* utf8) {
    std::size_t pos = 0;
    return HanziIndex(DecodeUtf8(utf8, &pos));
  }
  std::vector<int> Chars(const char* utf8) {
    std::vector<int> out;
    DecodeTableHanzi(utf8, &out);
    return out;
  }
  void Classes(const char* utf8, std::uint8_t classes) {
    for (int i : Chars(utf8)) model.chars[static_cast<std::size_t>(i)].classes = classes;
  }
  void Word(const char* traditional, const char* simplified) {
    CedictEntry e;
    for (std::size_t pos = 0; pos < std::strlen(traditional);)
      e.traditional.push_back(DecodeUtf8(traditional, &pos));
    for (std::size_t pos = 0; pos < std::strlen(simplified);)
      e.simplified.push_back(DecodeUtf8(simplified, &pos));
    for (std::size_t k = 0; k < e.simplified.size(); ++k) e.pinyin.push_back({0, 1});
    e.senses = "x";
    sources.cedict.push_back(e);
  }
  PhraseData Phrase(const char* utf8) {
    PhraseData p;
    p.chars = Chars(utf8);
    p.syllables.assign(p.chars.size(), 0);
    p.simplified = true;
    p.frequency = 7;
    return p;
  }
  Sources sources;
  Model model;
};

TEST(TraditionalPhrasesTest, SharedPhrasesAreMarkedTheOthersWrittenInTraditionalForm) {
  Hanzi h;
  h.Classes("他是吃皇", kST);
  h.Classes("这过来", kSimplified);
  h.Classes("這過來後", kTraditional);
  h.Classes("后", kST);  // 皇后 keeps 后; after 以 and before 来 it is 後
  h.Word("這", "这");
  h.Word("過來", "过来");
  h.Word("吃過", "吃过");
  h.Word("後來", "后来");
  h.Word("皇后", "皇后");
  h.sources.jieba = {{"吃过", 50}, {"后来", 100}, {"皇后", 10}};
  const OpenGramLexicon lexicon;
  const OpenGramModel lm;
  const OpenGramIndex openGram(lexicon, lm);
  const WordFrequencies frequencies(h.sources.jieba, openGram);
  const TraditionalWriting writing(h.sources, h.model, frequencies);
  EXPECT_EQ(writing.Of(h.Chars("他是")), h.Chars("他是"));
  EXPECT_EQ(writing.Of(h.Chars("这过来")), h.Chars("這過來"));
  EXPECT_EQ(writing.Of(h.Chars("后来")), h.Chars("後來"));
  EXPECT_EQ(writing.Of(h.Chars("皇后")), h.Chars("皇后"));
  EXPECT_EQ(writing.Of(h.Chars("后")), h.Chars("後"));           // by the words that write it
  EXPECT_EQ(writing.Of(h.Chars("他是一")), std::vector<int>{});  // 一 has no traditional form

  std::vector<PhraseData> phrases = {h.Phrase("他是"), h.Phrase("这过来"), h.Phrase("后来"),
                                     h.Phrase("他是一")};
  phrases[2].traditional = true;  // already a word of both classes: left as it is
  AddTraditionalPhrases(writing, &phrases);
  ASSERT_EQ(phrases.size(), 5u);
  EXPECT_TRUE(phrases[0].simplified && phrases[0].traditional);
  EXPECT_TRUE(phrases[1].simplified && !phrases[1].traditional);
  EXPECT_FALSE(phrases[3].traditional);
  const PhraseData& twin = phrases[4];
  EXPECT_EQ(twin.chars, h.Chars("這過來"));
  EXPECT_TRUE(twin.traditional && !twin.simplified);
  EXPECT_EQ(twin.frequency, 7);
  EXPECT_EQ(twin.syllables, phrases[1].syllables);
  // A twin that is already there is not added again.
  AddTraditionalPhrases(writing, &phrases);
  EXPECT_EQ(phrases.size(), 5u);
}

}  // namespace
}  // namespace dazi::dictbuild
