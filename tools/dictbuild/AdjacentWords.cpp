#include "tools/dictbuild/AdjacentWords.h"

#include <cmath>
#include <limits>

namespace dazi::dictbuild {
namespace {

// The most likely cut of one run: lengths of its words, front to back.
std::vector<std::size_t> CutRun(const std::vector<int>& run,
                                const std::unordered_map<std::uint64_t, long>& lexicon,
                                double logTotal) {
  const std::size_t n = run.size();
  std::vector<double> best(n + 1, -std::numeric_limits<double>::infinity());
  std::vector<std::size_t> length(n + 1, 1);
  best[0] = 0;
  for (std::size_t end = 1; end <= n; ++end) {
    for (std::size_t len = 1; len <= kMaxCountedWordChars && len <= end; ++len) {
      const auto it = lexicon.find(WordKey(run.data() + end - len, len));
      if (it == lexicon.end() && len > 1) continue;
      const long count = it == lexicon.end() ? 0 : it->second;
      const double score = best[end - len] + std::log(static_cast<double>(count) + 1) - logTotal;
      if (score > best[end]) {
        best[end] = score;
        length[end] = len;
      }
    }
  }
  std::vector<std::size_t> cut;
  for (std::size_t end = n; end > 0; end -= length[end]) cut.push_back(length[end]);
  return {cut.rbegin(), cut.rend()};
}

}  // namespace

std::uint64_t WordKey(const int* chars, std::size_t count) {
  std::uint64_t key = 0;
  for (std::size_t k = 0; k < count; ++k)
    key = (key << 15) | static_cast<std::uint64_t>(chars[k] + 1);
  return key;
}

AdjacentCounts CountAdjacentWords(const std::vector<std::vector<int>>& runs,
                                  const std::unordered_map<std::uint64_t, long>& lexicon) {
  double total = 1;
  for (const auto& [key, count] : lexicon) total += static_cast<double>(count);
  const double logTotal = std::log(total);
  AdjacentCounts out;
  for (const std::vector<int>& run : runs) {
    std::size_t at = 0, previousLength = 0;
    for (std::size_t len : CutRun(run, lexicon, logTotal)) {
      ++out.words[WordKey(run.data() + at, len)];
      ++out.tokens;
      if (len == 1 && previousLength == 1) ++out.singlePairs[WordKey(run.data() + at - 1, 2)];
      previousLength = len;
      at += len;
    }
  }
  return out;
}

}  // namespace dazi::dictbuild
