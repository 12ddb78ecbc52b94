#include "tools/dictbuild/ModelTextCounts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {
namespace {

// Cost of a character that is no word of the vocabulary: it is cut alone.
constexpr double kUnknownCost = 40;

class Cutter {
 public:
  explicit Cutter(const ModelVocabulary& vocabulary) : vocabulary_(vocabulary) {
    cost_.resize(vocabulary.words.size());
    for (std::size_t w = 0; w < cost_.size(); ++w)
      cost_[w] = -std::log2(vocabulary.words[w].probability);
  }

  // The cheapest cut under the unigram costs, word by word from the start.
  void Cut(const std::vector<int>& run, std::vector<std::uint32_t>* cut) {
    text_.clear();
    for (int h : run) text_ += static_cast<char32_t>(kFirstHanzi + static_cast<char32_t>(h));
    const std::size_t n = text_.size();
    best_.assign(n + 1, std::numeric_limits<double>::infinity());
    from_.assign(n + 1, 0);
    word_.assign(n + 1, kNoModelWord);
    best_[0] = 0;
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t len = 1; len <= kMaxModelWordChars && i + len <= n; ++len) {
        auto it = vocabulary_.idOfText.find(text_.substr(i, len));
        if (it == vocabulary_.idOfText.end() && len > 1) continue;
        const std::uint32_t w = it == vocabulary_.idOfText.end() ? kNoModelWord : it->second;
        const double c = best_[i] + (w == kNoModelWord ? kUnknownCost : cost_[w]);
        if (c < best_[i + len]) {
          best_[i + len] = c;
          from_[i + len] = i;
          word_[i + len] = w;
        }
      }
    }
    cut->clear();
    for (std::size_t q = n; q > 0; q = from_[q]) cut->push_back(word_[q]);
    std::reverse(cut->begin(), cut->end());
  }

 private:
  const ModelVocabulary& vocabulary_;
  std::vector<double> cost_;
  std::u32string text_;
  std::vector<double> best_;
  std::vector<std::size_t> from_;
  std::vector<std::uint32_t> word_;
};

}  // namespace

std::vector<std::uint32_t> CutIntoModelWords(const std::vector<int>& run,
                                             const ModelVocabulary& vocabulary) {
  std::vector<std::uint32_t> cut;
  Cutter(vocabulary).Cut(run, &cut);
  return cut;
}

ModelTextCounts CountModelWords(const std::vector<std::vector<int>>& runs,
                                const ModelVocabulary& vocabulary) {
  ModelTextCounts counts;
  counts.words.assign(vocabulary.words.size(), 0);
  Cutter cutter(vocabulary);
  std::vector<std::uint32_t> cut;
  for (const std::vector<int>& run : runs) {
    cutter.Cut(run, &cut);
    std::uint32_t previous = kNoModelWord;
    for (std::uint32_t w : cut) {
      if (w != kNoModelWord) {
        ++counts.words[w];
        ++counts.tokens;
        if (previous != kNoModelWord) ++counts.pairs[PairKey(previous, w)];
      }
      previous = w;
    }
  }
  return counts;
}

}  // namespace dazi::dictbuild
