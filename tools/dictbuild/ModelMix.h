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

struct ModelMixWeights {
  // Weight of open-gram's model; the text model has the rest. The build chooses it on
  // everyday text (ModelWeights.h); this is what a build without that text uses.
  double openGram = 0.5;
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
