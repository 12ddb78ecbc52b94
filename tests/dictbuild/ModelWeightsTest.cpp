// How the sentence model weighs open-gram against the manual pages: per history group, the
// weight under which the mix predicts the tuning text best, found the same way on every
// build; text that writes 它 where everyday text writes 他 loses its weight.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "tests/dictbuild/OpenGramFiles.h"
#include "tests/support/TempDataFolder.h"
#include "tools/dictbuild/ModelWeights.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

std::vector<int> Hanzi(std::string_view utf8) {
  std::vector<int> out;
  std::size_t pos = 0;
  while (pos < utf8.size()) out.push_back(HanziIndex(DecodeUtf8(utf8, &pos)));
  return out;
}

std::u32string Text(std::string_view utf8) {
  std::u32string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) out += DecodeUtf8(utf8, &pos);
  return out;
}

// Scores of words all in group 0.
SourceScores Scores(std::vector<double> openGram, std::vector<double> text) {
  std::vector<int> group(openGram.size(), 0);
  return {std::move(openGram), std::move(text), std::move(group)};
}

double Cost(const SourceScores& s, double weight) {
  double bits = 0;
  for (std::size_t i = 0; i < s.openGram.size(); ++i)
    bits -= std::log2(weight * s.openGram[i] + (1 - weight) * s.text[i]);
  return bits;
}

TEST(ChooseOpenGramWeightsTest, TheWeightIsTheLikeliestMix) {
  struct Case {
    const char* what;
    SourceScores scores;
    double weight;
  };
  const Case cases[] = {
      // Three words only open-gram predicts, one only the text: the best mix is 3:1.
      {"3:1", Scores({0.5, 0.5, 0.5, 0.0}, {0.0, 0.0, 0.0, 0.5}), 0.75},
      {"1:3", Scores({0.2, 0.0, 0.0, 0.0}, {0.0, 0.1, 0.3, 0.4}), 0.25},
      // The text never helps: open-gram takes all but the bound.
      {"text useless", Scores({0.1, 0.2}, {0.0, 0.0}), kMaxOpenGramWeight},
  };
  for (const Case& c : cases) {
    const ModelWeighting w = ChooseOpenGramWeights(c.scores);
    EXPECT_NEAR(w.weights.openGram[0], c.weight, 1e-4) << c.what;
    EXPECT_EQ(w.tokens, static_cast<long>(c.scores.openGram.size())) << c.what;
    EXPECT_LE(w.bitsPerWord, w.evenBitsPerWord + 1e-12) << c.what;
  }
  // Mixed evidence: no nearby weight predicts the words better.
  const SourceScores mixed = Scores({0.3, 0.01, 0.2, 0.05, 0.4}, {0.1, 0.2, 0.05, 0.3, 0.1});
  const double best = ChooseOpenGramWeights(mixed).weights.openGram[0];
  EXPECT_LT(Cost(mixed, best), Cost(mixed, best - 0.01));
  EXPECT_LT(Cost(mixed, best), Cost(mixed, best + 0.01));
}

TEST(ChooseOpenGramWeightsTest, EachHistoryGroupHasItsOwnWeight) {
  // After histories the text knows well (group 5) the text predicts; at a run's start
  // open-gram does; groups without words take the weight of all words together.
  const SourceScores scores{
      {0.5, 0.5, 0.5, 0.0, 0.0, 0.5}, {0.0, 0.0, 0.0, 0.5, 0.5, 0.0}, {0, 0, 0, 5, 5, 5}};
  const ModelWeighting w = ChooseOpenGramWeights(scores);
  EXPECT_NEAR(w.weights.openGram[0], kMaxOpenGramWeight, 1e-4);
  EXPECT_NEAR(w.weights.openGram[5], 1.0 / 3, 1e-4);
  EXPECT_NEAR(w.weights.openGram[2], 4.0 / 6, 1e-4);
}

TEST(ChooseOpenGramWeightsTest, SameWordsSameWeightAndNoWordsIsEven) {
  const SourceScores scores = Scores({0.3, 0.01, 0.2, 0.05}, {0.1, 0.2, 0.05, 0.3});
  const SourceScores reversed = Scores({0.05, 0.2, 0.01, 0.3}, {0.3, 0.05, 0.2, 0.1});
  const double weight = ChooseOpenGramWeights(scores).weights.openGram[0];
  EXPECT_EQ(ChooseOpenGramWeights(scores).weights.openGram[0], weight);
  EXPECT_NEAR(ChooseOpenGramWeights(reversed).weights.openGram[0], weight, 1e-9);
  const ModelWeighting none = ChooseOpenGramWeights({});
  for (double w : none.weights.openGram) EXPECT_EQ(w, 0.5);
  EXPECT_EQ(none.tokens, 0);
}

TEST(HistoryGroupTest, GroupsGrowTenfold) {
  EXPECT_EQ(HistoryGroup(0), 1);
  EXPECT_EQ(HistoryGroup(1), 2);
  EXPECT_EQ(HistoryGroup(9), 2);
  EXPECT_EQ(HistoryGroup(10), 3);
  EXPECT_EQ(HistoryGroup(9999), 5);
  EXPECT_EQ(HistoryGroup(10000), 6);
  EXPECT_EQ(HistoryGroup(50000000), kHistoryGroups - 1);
}

TEST(LoadTuningTextTest, CommentsAreSkippedAndAnythingButHanziEndsARun) {
  dazi::testing::TempDataFolder folder;
  const auto path = (folder.Path() / "text.txt").string();
  std::ofstream(path) << "# 注释不读\n他很忙，她也很忙。\n\nOK 好的\n";
  std::vector<std::vector<int>> runs;
  ASSERT_EQ(LoadTuningText(path, &runs), "");
  const std::vector<std::vector<int>> expected = {Hanzi("他很忙"), Hanzi("她也很忙"),
                                                  Hanzi("好的")};
  EXPECT_EQ(runs, expected);
  ASSERT_EQ(LoadTuningText(path, &runs), "");  // a second file adds its runs
  EXPECT_EQ(runs.size(), 6u);

  std::ofstream(path, std::ios::trunc) << "# only a comment\nno hanzi here\n";
  EXPECT_NE(LoadTuningText(path, &runs), "");
  EXPECT_NE(LoadTuningText((folder.Path() / "missing.txt").string(), &runs), "");
}

// Open-gram knows 他 well and 它 little; the manual pages write 它很 again and again.
class TwoSources : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::TinyModel lm;
    lm.unigrams = {{100, 0.3f}, {101, 0.01f}, {102, 0.2f}};
    lm.bigrams = {{100, 102, 0.4f}};
    ASSERT_EQ(openGram_.Parse(lm.Bytes()), "");
    for (auto [text, id, p] : {std::tuple{"他", 100L, 0.3}, std::tuple{"它", 101L, 0.01},
                               std::tuple{"很", 102L, 0.2}, std::tuple{"忙", -1L, 0.05}}) {
      vocabulary_.idOfText[Text(text)] = static_cast<std::uint32_t>(vocabulary_.words.size());
      vocabulary_.words.push_back({Text(text), id, p});
    }
    counts_.words = {0, 50000, 50000, 0};
    counts_.pairs[PairKey(kIt, kVery)] = 50000;
    counts_.tokens = 100000;
  }
  static constexpr std::uint32_t kHe = 0, kIt = 1, kVery = 2, kBusy = 3;
  OpenGramModel openGram_;
  ModelVocabulary vocabulary_;
  ModelTextCounts counts_;
  ModelMixWeights weights_;
};

TEST_F(TwoSources, EachWordIsScoredByBothSourcesFromTheStartOfItsRun) {
  const MixParts parts(vocabulary_, counts_, weights_);
  const SourceScores s = ScoreBySources(openGram_, vocabulary_, parts, {Hanzi("他很忙")});
  ASSERT_EQ(s.openGram.size(), 3u);
  ASSERT_EQ(s.text.size(), 3u);
  EXPECT_FLOAT_EQ(s.openGram[0], 0.3f);                // a run starts without history
  EXPECT_FLOAT_EQ(s.openGram[1], 0.4f);                // 很 after 他: open-gram's bigram
  EXPECT_DOUBLE_EQ(s.openGram[2], parts.Base(kBusy));  // a word open-gram lacks
  EXPECT_DOUBLE_EQ(s.text[0], parts.TextUnigram(kHe));
  EXPECT_DOUBLE_EQ(s.text[1], parts.TextNext(kHe, kVery));
  EXPECT_DOUBLE_EQ(s.text[2], parts.TextNext(kVery, kBusy));
  const std::vector<int> groups = {0, HistoryGroup(0), HistoryGroup(50000)};
  EXPECT_EQ(s.group, groups);
  // A character the model cannot write starts the history afresh.
  const SourceScores broken = ScoreBySources(openGram_, vocabulary_, parts, {Hanzi("它丁很")});
  ASSERT_EQ(broken.text.size(), 2u);
  EXPECT_DOUBLE_EQ(broken.text[1], parts.TextUnigram(kVery));
}

TEST_F(TwoSources, EverydayTextGivesTheManualPagesLittleWeight) {
  const MixParts parts(vocabulary_, counts_, weights_);
  const ModelWeighting everyday = ChooseOpenGramWeights(
      ScoreBySources(openGram_, vocabulary_, parts, {Hanzi("他很忙"), Hanzi("他很忙")}));
  for (int g : {0, HistoryGroup(50000)}) EXPECT_GT(everyday.weights.openGram[g], 0.9) << g;
  const ModelWeighting manual = ChooseOpenGramWeights(
      ScoreBySources(openGram_, vocabulary_, parts, {Hanzi("它很"), Hanzi("它很")}));
  for (int g : {0, HistoryGroup(50000)}) EXPECT_LT(manual.weights.openGram[g], 0.5) << g;
}

}  // namespace
}  // namespace dazi::dictbuild
