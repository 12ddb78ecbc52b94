// Words and pairs of adjacent words in running text: the text is cut into the words of a
// lexicon (the cut that makes the words' frequencies most likely, as jieba cuts), then counted.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace dazi::dictbuild {

inline constexpr std::size_t kMaxCountedWordChars = 4;

// One key per sequence of 1..kMaxCountedWordChars HanziIndex values.
std::uint64_t WordKey(const int* chars, std::size_t count);
inline std::uint64_t WordKey(const std::vector<int>& chars) {
  return WordKey(chars.data(), chars.size());
}

struct AdjacentCounts {
  std::unordered_map<std::uint64_t, long> words;  // WordKey -> times cut as that word
  // WordKey of two characters -> times they were cut as two single-character words in a row.
  std::unordered_map<std::uint64_t, long> singlePairs;
  long tokens = 0;
};

// lexicon: WordKey -> frequency, single characters included; longer words are not cut out.
AdjacentCounts CountAdjacentWords(const std::vector<std::vector<int>>& runs,
                                  const std::unordered_map<std::uint64_t, long>& lexicon);

}  // namespace dazi::dictbuild
