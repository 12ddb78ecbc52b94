// How much the sentence model trusts each of its two sources. Open-gram's model and the
// bigram model of the manual pages are mixed, per history group (ModelMix.h), with the
// weights under which the mix best predicts everyday text (data/model/everyday-tuning.txt):
// the manual pages keep only the share that helps there, and no longer teach 它 for people.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dictbuild/ModelMix.h"
#include "tools/dictbuild/ModelTextCounts.h"
#include "tools/dictbuild/ModelVocabulary.h"
#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {

// The weight is kept inside these bounds, so that neither source is ever dropped whole.
inline constexpr double kMinOpenGramWeight = 0.001;
inline constexpr double kMaxOpenGramWeight = 0.999;

struct ModelWeighting {
  ModelMixWeights weights;     // the chosen weights
  long tokens = 0;             // words of tuning text they were chosen on
  double bitsPerWord = 0;      // their cost under the mix with that weight
  double evenBitsPerWord = 0;  // and with the two sources weighted 1:1
};

// Appends the runs of table hanzi (HanziIndex) of a text file, one clause after another;
// lines starting with '#' are comments, anything but a table hanzi ends a run. An error text
// when the file cannot be read or holds no hanzi.
std::string LoadTuningText(const std::string& path, std::vector<std::vector<int>>* runs);

// Each word of runs (cut into the vocabulary's words) scored by both sources from the start
// of its run: open-gram's back-off trigram walk and the text counts' bigram model.
struct SourceScores {
  std::vector<double> openGram, text;  // one per word, same order
  std::vector<int> group;              // the history group of each word (0 at a run's start)
};
SourceScores ScoreBySources(const OpenGramModel& lm, const ModelVocabulary& vocabulary,
                            const MixParts& parts, const std::vector<std::vector<int>>& runs);

// For each history group, the weight of open-gram's probabilities that maximises the
// likelihood of the group's scored words (expectation maximisation from 1:1, a fixed number
// of rounds at most: the same on every run); a group without words takes the weight of all
// words together. Also the cost per word under these weights and under 1:1. No words: 1:1.
ModelWeighting ChooseOpenGramWeights(const SourceScores& scores);

}  // namespace dazi::dictbuild
