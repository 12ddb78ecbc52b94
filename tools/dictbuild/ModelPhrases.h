// What open-gram's word model adds to the whole-sentence data: pairs of single characters that
// general text writes side by side (我的, 他是), and which phrases the model would rather read
// as other words. The sentence walk takes the longest phrase spelled by the typed letters, so a
// rare phrase whose letters begin an everyday sentence takes it over: 金天翮 (jintianhe) turns
// every 今天很 (jintianhen) into 金天翮…, where the model reads 今天 + 和.
#pragma once

#include <map>
#include <vector>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/OpenGramIndex.h"
#include "tools/dictbuild/Phrases.h"
#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

// A chunk needs P(first) * P(second | first) times jieba's total of at least this.
inline constexpr double kMinModelChunkCount = 240;

// Pairs of single-character words of the simplified class that the model expects side by side
// at least kMinModelChunkCount times, that are not one of words (HanziIndex forms), spelled
// with each character's cheapest reading in the lexicon, that probability scaled to jieba's
// total as their frequency. In a fixed order.
std::vector<PhraseData> ModelChunks(const Model& model, const WordFrequencies& frequencies,
                                    const std::vector<std::vector<int>>& words);

// Finds the reading the model prefers for a phrase's syllables among sequences of two or more
// of its words.
class SplitJudge {
 public:
  SplitJudge(const Model& model, const OpenGramIndex& openGram);

  // True when two or more model words spell syllables, their characters differ from chars,
  // and the model gives them (from a sentence start) a higher probability than probability.
  bool PrefersSplit(const std::vector<int>& chars, const std::vector<int>& syllables,
                    double probability) const;

 private:
  struct Candidate {
    std::uint32_t id;
    std::vector<int> chars;  // HanziIndex
    double readingWeight;    // the reading's part of the word's use
    double weight;           // unigram probability times readingWeight
  };
  const OpenGramIndex& openGram_;
  // Syllables -> the likeliest word spelled so, from a unigram walk over the lexicon.
  std::map<std::vector<int>, Candidate> best_;
  std::size_t longest_ = 0;
};

}  // namespace dazi::dictbuild
