// What the dictionary build asks of open-gram (OpenGram.h): each word's text and readings,
// cheapest first; the word of a text; the model's unigram probabilities, its bigrams and its
// scoring with back-off.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {

class OpenGramIndex {
 public:
  static constexpr std::uint32_t kNoWord = 0xFFFFFFFF;

  struct Reading {
    std::vector<int> syllables;  // SyllableTable indexes
    int cost = 0;                // the reading weighs 2^-cost among the word's readings
  };
  struct Word {
    std::string utf8;
    std::vector<Reading> readings;  // cheapest first
    double unigram = 0;             // P(word); 0 when the model has not seen it
  };

  // Both may be empty (not loaded): the index is empty then.
  OpenGramIndex(const OpenGramLexicon& lexicon, const OpenGramModel& lm);

  bool Empty() const { return words_.empty(); }
  const std::vector<Word>& Words() const { return words_; }  // by word id
  std::uint32_t Find(const std::string& utf8) const;         // kNoWord when not a word
  bool Knows(std::uint32_t id) const { return id < words_.size() && words_[id].unigram > 0; }
  // P(word | state), moving the state on (the model's back-off walk).
  double Next(OpenGramModel::State* state, std::uint32_t id) const { return lm_.Score(state, id); }

  // Calls visit(first, second, P(second | first)) for every bigram of the model.
  template <typename Visit>
  void ForEachBigram(Visit&& visit) const {
    if (Empty()) return;
    for (std::size_t a = 0; a < lm_.Count(1); ++a) {
      const auto [from, to] = lm_.Children(1, a);
      for (std::size_t b = from; b < to; ++b)
        visit(lm_.At(1, a).word, lm_.At(2, b).word, static_cast<double>(lm_.At(2, b).prob));
    }
  }

 private:
  const OpenGramModel& lm_;
  std::vector<Word> words_;
  std::unordered_map<std::string, std::uint32_t> idOf_;
};

}  // namespace dazi::dictbuild
