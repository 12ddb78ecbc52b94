// The statistical sentence model as the table writer lays it out into srf_pub.ngm: words as
// character numbers, their spellings, and a back-off word trigram model with costs in bits
// (-log2 of a probability). Tests build small ones by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dazi::dictbuild {

struct SentenceModelTables {
  struct Spelling {
    std::uint32_t word = 0;
    std::vector<int> syllables;  // SyllableTable indexes, one per character
    double readingCost = 0;      // bits added when the word is read so
  };
  struct Scored {
    std::uint32_t word = 0;
    double cost = 0;
  };
  struct Unigram {
    double cost = 0;
    double backoff = 0;           // cost added when a bigram of this history is missing
    std::vector<Scored> bigrams;  // words following this one
  };
  struct History {
    std::uint32_t first = 0, second = 0;  // must be a bigram
    double backoff = 0;
    std::vector<Scored> trigrams;
  };

  std::vector<std::vector<std::uint16_t>> words;  // by word id: character numbers
  std::vector<Spelling> spellings;
  std::vector<Unigram> unigrams;  // by word id
  std::vector<History> histories;
};

// Words kept per initials key, the most likely first.
inline constexpr std::size_t kWordsPerInitialsKey = 32;

// Lays the tables out as the bytes of srf_pub.ngm. Returns an error text (and no bytes)
// when they do not fit the format: too many words, a syllable out of range, a history that
// is no bigram, a negative cost. Costs beyond the stored range (256 bits) are clamped.
std::string LayOutSentenceModel(const SentenceModelTables& tables, std::string* bytes);

}  // namespace dazi::dictbuild
