#include "tools/dictbuild/ModelTextCounts.h"

#include <cmath>
#include <limits>

#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {
namespace {

constexpr std::uint32_t kUnknown = UINT32_MAX;
// Cost of a character that is no word of the vocabulary: it is cut alone.
constexpr double kUnknownCost = 40;

}  // namespace

ModelTextCounts CountModelWords(const std::vector<std::vector<int>>& runs,
                                const ModelVocabulary& vocabulary) {
  ModelTextCounts counts;
  counts.words.assign(vocabulary.words.size(), 0);
  std::vector<double> cost(vocabulary.words.size());
  for (std::size_t w = 0; w < cost.size(); ++w)
    cost[w] = -std::log2(vocabulary.words[w].probability);

  std::u32string text;
  std::vector<double> best;
  std::vector<std::size_t> from;
  std::vector<std::uint32_t> word, cut;
  for (const std::vector<int>& run : runs) {
    text.clear();
    for (int h : run) text += static_cast<char32_t>(kFirstHanzi + static_cast<char32_t>(h));
    const std::size_t n = text.size();
    best.assign(n + 1, std::numeric_limits<double>::infinity());
    from.assign(n + 1, 0);
    word.assign(n + 1, kUnknown);
    best[0] = 0;
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t len = 1; len <= kMaxModelWordChars && i + len <= n; ++len) {
        auto it = vocabulary.idOfText.find(text.substr(i, len));
        if (it == vocabulary.idOfText.end() && len > 1) continue;
        const std::uint32_t w = it == vocabulary.idOfText.end() ? kUnknown : it->second;
        const double c = best[i] + (w == kUnknown ? kUnknownCost : cost[w]);
        if (c < best[i + len]) {
          best[i + len] = c;
          from[i + len] = i;
          word[i + len] = w;
        }
      }
    }
    cut.clear();
    for (std::size_t q = n; q > 0; q = from[q]) cut.push_back(word[q]);
    std::uint32_t previous = kUnknown;
    for (auto it = cut.rbegin(); it != cut.rend(); ++it) {
      if (*it != kUnknown) {
        ++counts.words[*it];
        ++counts.tokens;
        if (previous != kUnknown) ++counts.pairs[PairKey(previous, *it)];
      }
      previous = *it;
    }
  }
  return counts;
}

}  // namespace dazi::dictbuild
