#include "tools/dictbuild/ModelMix.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace dazi::dictbuild {
namespace {

constexpr std::uint32_t kDropped = UINT32_MAX;

double Bits(double p) {
  return -std::log2(p);
}

// A back-off weight from the probability left over by a history's listed words and the
// lower order's probability of the same words.
double Backoff(double listed, double lowerListed) {
  return std::max(1e-12, 1.0 - listed) / std::max(1e-12, 1.0 - lowerListed);
}

struct Follower {
  std::uint32_t word;
  double openGram;  // open-gram's own probability, or -1 when it has none for this history
  long count;       // times in the text
};

void SortAndMerge(std::vector<Follower>* list) {
  std::sort(list->begin(), list->end(),
            [](const Follower& a, const Follower& b) { return a.word < b.word; });
  std::vector<Follower> merged;
  for (const Follower& f : *list) {
    if (!merged.empty() && merged.back().word == f.word) {
      merged.back().openGram = std::max(merged.back().openGram, f.openGram);
      merged.back().count += f.count;
    } else {
      merged.push_back(f);
    }
  }
  *list = std::move(merged);
}

}  // namespace

int HistoryGroup(long count) {
  int group = 1;
  for (long bound = 1; count >= bound && group < kHistoryGroups - 1; bound *= 10) ++group;
  return group;
}

MixParts::MixParts(const ModelVocabulary& vocabulary, const ModelTextCounts& counts,
                   const ModelMixWeights& weights)
    : counts_(counts), pairPrior_(weights.pairPrior) {
  const std::size_t V = vocabulary.words.size();
  const double tokens = static_cast<double>(counts.tokens);
  // The unigrams are scaled to sum to one over the vocabulary (open-gram's punctuation is
  // gone, dazi's own words are added), so that every history's probabilities sum to one.
  base_.resize(V);
  text_.resize(V);
  double total = 0;
  for (std::size_t w = 0; w < V; ++w) total += vocabulary.words[w].probability;
  for (std::size_t w = 0; w < V; ++w) {
    base_[w] = vocabulary.words[w].probability / total;
    text_[w] = (static_cast<double>(counts.words[w]) + weights.unigramPrior * base_[w]) /
               (tokens + weights.unigramPrior);
  }
}

double MixParts::TextNext(std::uint32_t v, double pairCount, std::uint32_t w) const {
  return (pairCount + pairPrior_ * text_[w]) / (static_cast<double>(counts_.words[v]) + pairPrior_);
}

double MixParts::TextNext(std::uint32_t v, std::uint32_t w) const {
  auto it = counts_.pairs.find(PairKey(v, w));
  return TextNext(v, it == counts_.pairs.end() ? 0.0 : static_cast<double>(it->second), w);
}

void MixModels(const OpenGramModel& lm, const ModelVocabulary& vocabulary,
               const ModelTextCounts& counts, const ModelMixWeights& weights,
               SentenceModelTables* tables) {
  const std::size_t V = vocabulary.words.size();
  const double lambda = weights.openGram[0];
  auto lambdaAfter = [&](std::uint32_t v) {
    return weights.openGram[HistoryGroup(counts.words[v])];
  };
  const MixParts parts(vocabulary, counts, weights);
  std::vector<double> base(V), mixed(V);
  for (std::uint32_t w = 0; w < V; ++w) {
    base[w] = parts.Base(w);
    mixed[w] = lambda * base[w] + (1 - lambda) * parts.TextUnigram(w);
  }
  auto modelId = [&](std::uint32_t openGramId) {
    return openGramId < vocabulary.fromOpenGram.size() ? vocabulary.fromOpenGram[openGramId]
                                                       : kDropped;
  };

  // Followers of each word: open-gram's bigrams and the text's pairs.
  std::vector<std::vector<Follower>> next(V);
  std::vector<double> openGramBackoff(V, 1.0);
  std::vector<std::size_t> unigramNode(V, SIZE_MAX);
  for (std::size_t i = 0; i < lm.Count(1); ++i) {
    const std::uint32_t v = modelId(lm.At(1, i).word);
    if (v == kDropped) continue;
    unigramNode[v] = i;
    openGramBackoff[v] = lm.At(1, i).backoff;
    auto [first, last] = lm.Children(1, i);
    for (std::size_t k = first; k < last; ++k) {
      const std::uint32_t w = modelId(lm.At(2, k).word);
      if (w != kDropped) next[v].push_back({w, lm.At(2, k).prob, 0});
    }
  }
  for (const auto& [key, count] : counts.pairs) {
    const auto v = static_cast<std::uint32_t>(key >> 32);
    next[v].push_back({static_cast<std::uint32_t>(key), -1, count});
  }

  tables->unigrams.assign(V, {});
  std::vector<std::vector<std::pair<std::uint32_t, double>>> bigram(V);  // merged P(w | v)
  std::vector<double> bigramBackoff(V, 1.0);
  for (std::uint32_t v = 0; v < V; ++v) {
    SortAndMerge(&next[v]);
    double listed = 0, lowerListed = 0;
    for (const Follower& f : next[v]) {
      const double og = f.openGram >= 0 ? f.openGram : openGramBackoff[v] * base[f.word];
      const double lambdaV = lambdaAfter(v);
      const double p =
          lambdaV * og + (1 - lambdaV) * parts.TextNext(v, static_cast<double>(f.count), f.word);
      bigram[v].push_back({f.word, p});
      listed += p;
      lowerListed += mixed[f.word];
    }
    bigramBackoff[v] = next[v].empty() ? 1.0 : Backoff(listed, lowerListed);
    auto& u = tables->unigrams[v];
    u.cost = Bits(mixed[v]);
    u.backoff = Bits(bigramBackoff[v]);
    for (const auto& [w, p] : bigram[v]) u.bigrams.push_back({w, Bits(p)});
    std::vector<Follower>().swap(next[v]);
  }
  auto mergedBigram = [&](std::uint32_t v, std::uint32_t w) {
    const auto& list = bigram[v];
    auto it = std::lower_bound(list.begin(), list.end(), w,
                               [](const auto& e, std::uint32_t x) { return e.first < x; });
    if (it != list.end() && it->first == w) return it->second;
    return bigramBackoff[v] * mixed[w];
  };

  // Open-gram's trigrams, each mixed with the text model's bigram of its last two words.
  tables->histories.clear();
  std::unordered_set<std::uint64_t> seen;  // two open-gram ids may spell one word
  for (std::uint32_t v1 = 0; v1 < V; ++v1) {
    if (unigramNode[v1] == SIZE_MAX) continue;
    auto [first, last] = lm.Children(1, unigramNode[v1]);
    for (std::size_t k = first; k < last; ++k) {
      const std::uint32_t v2 = modelId(lm.At(2, k).word);
      auto [tFirst, tLast] = lm.Children(2, k);
      if (v2 == kDropped || tFirst == tLast || !seen.insert(PairKey(v1, v2)).second) continue;
      SentenceModelTables::History h;
      h.first = v1;
      h.second = v2;
      std::vector<Follower> followers;
      for (std::size_t j = tFirst; j < tLast; ++j) {
        const std::uint32_t w = modelId(lm.At(3, j).word);
        if (w != kDropped) followers.push_back({w, lm.At(3, j).prob, 0});
      }
      SortAndMerge(&followers);
      double listed = 0, lowerListed = 0;
      for (const Follower& f : followers) {
        const double lambdaV = lambdaAfter(v2);
        const double p = lambdaV * f.openGram + (1 - lambdaV) * parts.TextNext(v2, f.word);
        h.trigrams.push_back({f.word, Bits(p)});
        listed += p;
        lowerListed += mergedBigram(v2, f.word);
      }
      if (h.trigrams.empty()) continue;
      h.backoff = Bits(Backoff(listed, lowerListed));
      tables->histories.push_back(std::move(h));
    }
  }
}

}  // namespace dazi::dictbuild
