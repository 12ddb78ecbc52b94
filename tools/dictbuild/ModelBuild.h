// Builds srf_pub.ngm, the statistical whole-sentence engine's model, from open-gram (Debian's
// sunpinyin-data) joined with what the dictionary build has made: its characters and words
// with their readings and jieba's counts, and manpages-zh's running text.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/ModelMix.h"
#include "tools/dictbuild/ModelWeights.h"
#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {

// What the dictionary build hands over: the numbered characters, all words before they were
// trimmed to the pools, the running text as runs of HanziIndex, and open-gram when it has
// read it already (empty otherwise: the model build reads it then).
struct SentenceModelInputs {
  Model model;
  std::vector<WordData> words;
  std::vector<std::vector<int>> textRuns;
  OpenGramModel openGram;
  OpenGramLexicon openGramLexicon;
};

struct SentenceModelReport {
  std::size_t words = 0, ownWords = 0, spellings = 0, bigrams = 0, histories = 0, trigrams = 0;
  std::size_t bytes = 0;
  long textTokens = 0;
  ModelWeighting weighting;  // tokens 0: no tuning text, the given weights
};

// The bytes of srf_pub.ngm; an error text when open-gram cannot be read or the tables do
// not fit the format. With tuning text (runs of HanziIndex), open-gram's weights in the mix
// are those under which the mix predicts that text best; without, weights.openGram.
std::string BuildSentenceModel(const std::string& openGramDir, const SentenceModelInputs& inputs,
                               const ModelMixWeights& weights,
                               const std::vector<std::vector<int>>& tuningRuns, std::string* bytes,
                               SentenceModelReport* report);

void PrintSentenceModelReport(const SentenceModelReport& report, std::ostream& out);

}  // namespace dazi::dictbuild
