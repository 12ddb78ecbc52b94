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
  double openGram = 0.5;       // weight of open-gram's model; the text model has the rest
  double unigramPrior = 1000;  // the text's unigrams lean on open-gram's by this many tokens
  double pairPrior = 100;      // a word's followers in the text lean on the unigrams so
};

// Sets the unigrams (one per vocabulary word, with their bigrams) and the trigram histories.
void MixModels(const OpenGramModel& lm, const ModelVocabulary& vocabulary,
               const ModelTextCounts& counts, const ModelMixWeights& weights,
               SentenceModelTables* tables);

}  // namespace dazi::dictbuild
