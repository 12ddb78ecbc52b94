// Small hand-made sentence models for tests: words with their character numbers, spellings
// and costs in bits, laid out by the same writer as the real srf_pub.ngm.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dictbuild/ModelTables.h"

namespace dazi::testing {

class TinyModel {
 public:
  // Adds a word: its character numbers, its syllables separated by spaces ("xi an") and its
  // unigram cost; returns its word id.
  std::uint32_t Word(const std::vector<int>& chars, const std::string& syllables, double cost);
  // Another spelling of a word, with the cost of reading it so.
  void Spelling(std::uint32_t word, const std::string& syllables, double readingCost);
  void Backoff(std::uint32_t word, double bits);
  void Bigram(std::uint32_t first, std::uint32_t second, double cost);
  // A trigram; its history must be a bigram. The history's back-off is set too.
  void Trigram(std::uint32_t first, std::uint32_t second, std::uint32_t third, double cost,
               double historyBackoff);

  std::string Bytes() const;
  // Writes srf_pub.ngm (or another name) into the current directory.
  void Write(const std::string& path = "srf_pub.ngm") const;

  dictbuild::SentenceModelTables tables;
};

}  // namespace dazi::testing
