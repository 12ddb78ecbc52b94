// The sentence model's trigram model: open-gram's back-off model over the joined vocabulary,
// mixed with a bigram model of the text counts (technical writing) into one back-off model.
// Each probability the tables hold is the weighted mean of the two models' probabilities; the
// back-off weights are then set so that every history's probabilities sum to one.
#pragma once

#include "tools/dictbuild/ModelTables.h"
#include "tools/dictbuild/ModelTextCounts.h"
#include "tools/dictbuild/ModelVocabulary.h"
#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {

// A word's followers are mixed with a weight of their own for each group of histories: the
// text's words are grouped by how often the text has them (a history the text knows well is
// a technical one, where the text's followers help), and a word without history has group 0.
inline constexpr int kHistoryGroups = 7;
// Group of a history the text has count times: 1 for none, 2 for 1-9, 3 for 10-99, ... 6 for
// 10,000 or more.
int HistoryGroup(long count);

struct ModelMixWeights {
  // Weight of open-gram's model per history group; the text model has the rest. The build
  // chooses them on tuning text (ModelWeights.h); these are what a build without it uses.
  double openGram[kHistoryGroups] = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
  double unigramPrior = 1000;  // the text's unigrams lean on open-gram's by this many tokens
  double pairPrior = 100;      // a word's followers in the text lean on the unigrams so
};

// The two models mixed, each on its own: open-gram's unigrams scaled to the vocabulary, and
// the text counts' bigram model.
class MixParts {
 public:
  MixParts(const ModelVocabulary& vocabulary, const ModelTextCounts& counts,
           const ModelMixWeights& weights);

  // Open-gram's unigram probability (the vocabulary's, summing to one over it).
  double Base(std::uint32_t w) const { return base_[w]; }
  // The text model's unigram: the text's count leaning on Base.
  double TextUnigram(std::uint32_t w) const { return text_[w]; }
  // The text model's P(w | v), v's followers leaning on the text's unigrams.
  double TextNext(std::uint32_t v, double pairCount, std::uint32_t w) const;
  double TextNext(std::uint32_t v, std::uint32_t w) const;
  // The history group of v (HistoryGroup of its count in the text).
  int GroupAfter(std::uint32_t v) const { return HistoryGroup(counts_.words[v]); }

 private:
  const ModelTextCounts& counts_;
  double pairPrior_;
  std::vector<double> base_, text_;
};

// Sets the unigrams (one per vocabulary word, with their bigrams) and the trigram histories.
void MixModels(const OpenGramModel& lm, const ModelVocabulary& vocabulary,
               const ModelTextCounts& counts, const ModelMixWeights& weights,
               SentenceModelTables* tables);

}  // namespace dazi::dictbuild
