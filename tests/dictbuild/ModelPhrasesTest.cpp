// The whole-sentence data's order and contents from general text: open-gram's frequencies,
// chunks and the phrases it reads as other words; manual pages that settle only what general
// text leaves open.
#include "tools/dictbuild/ModelPhrases.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

#include "engine/pinyin/SyllableTable.h"
#include "tests/dictbuild/OpenGramFiles.h"
#include "tools/dictbuild/TextCounts.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

using testing::SyllableId;

std::vector<int> Hanzi(const char* utf8) {
  std::vector<int> out;
  for (std::size_t pos = 0; pos < std::strlen(utf8);)
    out.push_back(HanziIndex(DecodeUtf8(utf8, &pos)));
  return out;
}

int Syllable(const char* s) {
  return FindSyllable(s, static_cast<int>(std::strlen(s)));
}

// A lexicon and model of a few words, and the characters' classes and readings.
class SmallModel : public ::testing::Test {
 protected:
  struct WordSpec {
    const char* utf8;
    std::vector<std::uint32_t> syllables;
    float probability;  // 0: the lexicon has the word, the model has not seen it
    int cost = 0;
  };
  void Build(const std::vector<WordSpec>& words,
             const std::vector<testing::TinyModel::Bigram>& bigrams = {}) {
    testing::TinyLexicon lexicon;
    testing::TinyModel lm;
    std::map<std::string, std::uint32_t> idOf;  // ids in order of first appearance
    for (const WordSpec& w : words) {
      lexicon.entries.push_back({w.utf8, w.syllables, w.cost, w.probability > 0});
      const auto id = static_cast<std::uint32_t>(lexicon.firstId + idOf.size());
      if (idOf.emplace(w.utf8, id).second && w.probability > 0)
        lm.unigrams.push_back({id, w.probability});
    }
    lm.bigrams = bigrams;
    ASSERT_EQ(lexicon_.Parse(lexicon.Bytes()), "");
    ASSERT_EQ(lm_.Parse(lm.Bytes()), "");
    index_ = std::make_unique<OpenGramIndex>(lexicon_, lm_);
    model_.chars.resize(static_cast<std::size_t>(kHanziCount));
    for (const WordSpec& w : words) {
      const std::vector<int> chars = Hanzi(w.utf8);
      for (std::size_t k = 0; k < chars.size(); ++k) {
        CharData& c = model_.chars[static_cast<std::size_t>(chars[k])];
        c.classes = kSimplified;
        for (const OpenGramIndex::Reading& reading :
             index_->Words()[index_->Find(w.utf8)].readings) {
          Reading r;
          r.syllable = reading.syllables[k];
          bool known = false;
          for (const Reading& have : c.readings) known = known || have.syllable == r.syllable;
          if (!known) c.readings.push_back(r);
        }
      }
    }
  }
  std::vector<int> Syllables(std::initializer_list<const char*> names) {
    std::vector<int> out;
    for (const char* n : names) out.push_back(Syllable(n));
    return out;
  }
  OpenGramLexicon lexicon_;
  OpenGramModel lm_;
  std::unique_ptr<OpenGramIndex> index_;
  Model model_;
};

// Syllable ids of the open-gram tables.
constexpr std::uint32_t kJin = SyllableId(12, 19), kTian = SyllableId(6, 18),
                        kHe = SyllableId(11, 3), kRen = SyllableId(18, 9), kMin = SyllableId(3, 19),
                        kWo = SyllableId(23, 2), kDe = SyllableId(5, 3), kDi = SyllableId(5, 13),
                        kTa = SyllableId(6, 1), kShi = SyllableId(17, 13);

TEST_F(SmallModel, ARarePhraseTheModelReadsAsOtherWordsIsLeftOut) {
  Build({{"今天", {kJin, kTian}, 4e-4f},
         {"和", {kHe}, 1e-2f},
         {"金", {kJin}, 1e-4f},
         {"天", {kTian}, 1e-3f},
         {"人民", {kRen, kMin}, 1e-3f},
         {"人", {kRen}, 5e-3f},
         {"民", {kMin}, 1e-4f}});
  const SplitJudge judge(model_, *index_);
  // 金天翮 (a rare name) would take every 今天和…/今天很… : 今天 + 和 is likelier.
  EXPECT_TRUE(judge.PrefersSplit(Hanzi("金天翮"), Syllables({"jin", "tian", "he"}), 1e-8));
  EXPECT_FALSE(judge.PrefersSplit(Hanzi("金天翮"), Syllables({"jin", "tian", "he"}), 1e-4));
  // A split into the phrase's own characters changes nothing the sentence shows.
  EXPECT_FALSE(judge.PrefersSplit(Hanzi("人民"), Syllables({"ren", "min"}), 1e-12));
}

TEST_F(SmallModel, ChunksArePairsOfCharactersTheModelExpectsTogether) {
  Build({{"我", {kWo}, 1e-2f},
         {"的", {kDe}, 2e-2f},
         {"的", {kDi}, 2e-2f, 3},  // the cheaper reading spells the chunk
         {"他", {kTa}, 1e-2f},
         {"是", {kShi}, 1e-2f}},
        {{100, 101, 0.2f}, {102, 103, 0.3f}, {101, 102, 0.01f}});
  const std::unordered_map<std::string, long> jieba = {{"一", 1000000}};
  const WordFrequencies frequencies(jieba, *index_);
  EXPECT_DOUBLE_EQ(frequencies.Of("一"), 500000);  // the mean of jieba's half and the model's
  EXPECT_NEAR(frequencies.Of("我"), 0.5 * 1e-2 * 1e6, 1);
  // 我的: 1e-2 * 0.2 * 1e6 = 2000 times; 他是 is a word already; 的他: 100, too rare.
  const std::vector<PhraseData> chunks = ModelChunks(model_, frequencies, {Hanzi("他是")});
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(chunks[0].chars, Hanzi("我的"));
  EXPECT_EQ(chunks[0].syllables, Syllables({"wo", "de"}));
  EXPECT_EQ(chunks[0].frequency, 2000);
  EXPECT_TRUE(chunks[0].chunk);
}

// Technical text raises a dictionary word, at most kTextBoostLimit times its general frequency;
// phrases of the frequency lists keep their general frequency.
TEST(TextFrequencyTest, ManualPagesSettleHomophonesWithoutOverturningEverydayWords) {
  Sources sources;
  sources.jieba = {{"x", 1000}};
  AdjacentCounts counts;
  counts.tokens = 100;  // scale: 1000 / 100, weighted kTextWordWeight
  const std::vector<int> backup = Hanzi("备份"), they = Hanzi("它们"), it = Hanzi("它是");
  counts.words[WordKey(backup)] = 10;
  counts.words[WordKey(they)] = 50;
  counts.words[WordKey(it)] = 50;
  std::vector<PhraseData> candidates(3);
  candidates[0].chars = backup;
  candidates[0].frequency = 1000;
  candidates[0].glossed = true;
  candidates[1].chars = they;
  candidates[1].frequency = 100;
  candidates[1].glossed = true;
  candidates[2].chars = it;
  candidates[2].frequency = 100;
  AddTextFrequencies(sources, counts, &candidates);
  EXPECT_EQ(candidates[0].frequency, 1000 + 10 * 10 * 2);
  EXPECT_EQ(candidates[1].frequency, static_cast<long>(100 * (1 + kTextBoostLimit)));
  EXPECT_EQ(candidates[2].frequency, 100);
}

}  // namespace
}  // namespace dazi::dictbuild
