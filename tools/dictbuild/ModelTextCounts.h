// How often the sentence model's words, and pairs of them, occur in running text (manpages-zh:
// the technical writing a typist of this program writes). The text is cut into the model's
// words by the most likely cut under their unigram probabilities.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/ModelVocabulary.h"

namespace dazi::dictbuild {

struct ModelTextCounts {
  std::vector<long> words;                        // by model word id
  std::unordered_map<std::uint64_t, long> pairs;  // first << 32 | second -> count
  long tokens = 0;
};

inline std::uint64_t PairKey(std::uint32_t first, std::uint32_t second) {
  return std::uint64_t{first} << 32 | second;
}

// A run's most likely cut into model words (HanziIndex run; kNoModelWord for a character that
// is no word of the vocabulary).
inline constexpr std::uint32_t kNoModelWord = UINT32_MAX;
std::vector<std::uint32_t> CutIntoModelWords(const std::vector<int>& run,
                                             const ModelVocabulary& vocabulary);

// runs: runs of hanzi (HanziIndex); a character outside the vocabulary breaks the pairs.
ModelTextCounts CountModelWords(const std::vector<std::vector<int>>& runs,
                                const ModelVocabulary& vocabulary);

}  // namespace dazi::dictbuild
