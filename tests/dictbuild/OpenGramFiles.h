// Hand-made open-gram files for tests: a back-off trigram model (lm_sc.t3g layout) and a pinyin
// lexicon (pydict_sc.bin layout) built from a few listed n-grams and words.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dazi::dictbuild::testing {

struct TinyModel {
  struct Unigram {
    std::uint32_t word;
    float probability;
    float backOff = 1;
  };
  struct Bigram {
    std::uint32_t first, second;
    float probability;
    float backOff = 1;
  };
  struct Trigram {
    std::uint32_t first, second, third;
    float probability;
  };
  float unknown = 5e-6f;      // the root's probability
  float rootBackOff = 1e-7f;  // the root's own weight, which scoring never applies
  std::vector<Unigram> unigrams;
  std::vector<Bigram> bigrams;
  std::vector<Trigram> trigrams;

  std::string Bytes() const;
};

struct TinyLexicon {
  struct Entry {
    std::string utf8;
    std::vector<std::uint32_t> syllableIds;  // initial << 12 | final << 4
    int cost = 0;
    bool inModel = true;
  };
  std::uint32_t firstId = 100;  // ids below are empty strings
  std::vector<Entry> entries;   // word id = firstId + position of its first entry
  // Abbreviated paths (an initial alone) are added for every entry's first syllable.
  std::string Bytes() const;
};

// Syllable id of an initial and a final index of the open-gram tables.
constexpr std::uint32_t SyllableId(std::uint32_t initial, std::uint32_t final) {
  return initial << 12 | final << 4;
}

}  // namespace dazi::dictbuild::testing
