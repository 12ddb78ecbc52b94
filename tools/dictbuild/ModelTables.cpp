#include "tools/dictbuild/ModelTables.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>

#include "engine/model/ModelFormat.h"
#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

using namespace dazi::model;

constexpr double kMaxStoredCost = static_cast<double>(kCostMask) / kCostScale;

std::uint32_t PackedCost(double cost) {
  return static_cast<std::uint32_t>(
      std::lround(std::clamp(cost, 0.0, kMaxStoredCost) * kCostScale));
}

std::uint16_t SignedCost(double cost) {
  const long v = std::lround(std::clamp(cost, -2047.0, 2047.0) * kCostScale);
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
}

struct Ranked {
  double rank;
  std::uint32_t word;
  std::uint32_t packed;
};

// Cheapest first; one entry per word (its cheapest reading).
void SortAndDedupe(std::vector<Ranked>* list, std::size_t keep) {
  std::stable_sort(list->begin(), list->end(), [](const Ranked& a, const Ranked& b) {
    return a.rank != b.rank ? a.rank < b.rank : a.word < b.word;
  });
  std::vector<Ranked> out;
  for (const Ranked& r : *list) {
    if (out.size() >= keep) break;
    if (std::none_of(out.begin(), out.end(), [&](const Ranked& o) { return o.word == r.word; }))
      out.push_back(r);
  }
  *list = std::move(out);
}

std::uint32_t InitialsCode(const std::vector<int>& syllables) {
  std::uint32_t code = 0, scale = 1;
  for (int s : syllables) {
    code += static_cast<std::uint32_t>(SyllableTable[s][0] - 'a' + 1) * scale;
    scale *= 27;
  }
  return code;
}

class Sections {
 public:
  template <typename T>
  void Put(Section s, const std::vector<T>& values) {
    while (body_.size() % 8 != 0) body_ += '\0';
    offsets_[s] = static_cast<std::uint32_t>(body_.size());
    counts_[s] = static_cast<std::uint32_t>(values.size());
    const std::size_t at = body_.size();
    body_.resize(at + values.size() * sizeof(T));
    if (!values.empty()) std::memcpy(body_.data() + at, values.data(), values.size() * sizeof(T));
  }
  std::string Bytes() const {
    std::vector<std::uint32_t> header{0, kModelVersion, kSectionCount, 0};
    std::memcpy(header.data(), kModelMagic, 4);
    for (int s = 0; s < kSectionCount; ++s) {
      header.push_back(offsets_[s] + kHeaderBytes);
      header.push_back(counts_[s]);
    }
    std::string out(reinterpret_cast<const char*>(header.data()), header.size() * 4);
    return out + body_;
  }

 private:
  std::string body_;
  std::uint32_t offsets_[kSectionCount]{};
  std::uint32_t counts_[kSectionCount]{};
};

}  // namespace

std::string LayOutSentenceModel(const SentenceModelTables& t, std::string* bytes) {
  bytes->clear();
  const std::size_t V = t.words.size();
  if (V + 1 >= kMaxWords) return "too many words for the model format";
  if (t.unigrams.size() != V) return "one unigram per word is needed";

  std::vector<std::uint32_t> wordChars{0};
  std::vector<std::uint16_t> chars;
  for (const auto& w : t.words) {
    chars.insert(chars.end(), w.begin(), w.end());
    wordChars.push_back(static_cast<std::uint32_t>(chars.size()));
  }

  // The syllable trie and the initials keys.
  struct Node {
    std::map<int, std::uint32_t> children;
    std::vector<Ranked> entries;
  };
  std::vector<Node> nodes(1);
  std::map<std::uint32_t, std::vector<Ranked>> initials;
  for (const auto& s : t.spellings) {
    if (s.word >= V) return "spelling of an unknown word";
    if (s.syllables.empty() || s.syllables.size() > kMaxWordSyllables)
      return "spelling without syllables or too long";
    std::uint32_t at = 0;
    for (int y : s.syllables) {
      if (y < 0 || y >= kSyllableCount) return "syllable out of range";
      auto [it, added] = nodes[at].children.emplace(y, static_cast<std::uint32_t>(nodes.size()));
      if (added) nodes.emplace_back();
      at = it->second;
    }
    if (nodes.size() > kEdgeNodeMask) return "too many trie nodes";
    const double rank = t.unigrams[s.word].cost + s.readingCost;
    nodes[at].entries.push_back({rank, s.word, s.word << kCostBits | PackedCost(s.readingCost)});
    if (s.syllables.size() <= kMaxInitials)
      initials[InitialsCode(s.syllables)].push_back({rank, s.word, s.word << kCostBits});
  }
  std::vector<std::uint32_t> trieNodes, trieEdges, trieEntries;
  for (Node& n : nodes) {
    SortAndDedupe(&n.entries, SIZE_MAX);
    trieNodes.push_back(static_cast<std::uint32_t>(trieEdges.size()));
    trieNodes.push_back(static_cast<std::uint32_t>(trieEntries.size()));
    for (auto [syllable, child] : n.children)
      trieEdges.push_back(static_cast<std::uint32_t>(syllable) << kEdgeNodeBits | child);
    for (const Ranked& r : n.entries) trieEntries.push_back(r.packed);
  }
  trieNodes.push_back(static_cast<std::uint32_t>(trieEdges.size()));
  trieNodes.push_back(static_cast<std::uint32_t>(trieEntries.size()));
  std::vector<std::uint32_t> initialKeys, initialEntries;
  for (auto& [code, list] : initials) {
    SortAndDedupe(&list, kWordsPerInitialsKey);
    initialKeys.push_back(code);
    initialKeys.push_back(static_cast<std::uint32_t>(initialEntries.size()));
    for (const Ranked& r : list) initialEntries.push_back(r.packed);
  }
  initialKeys.push_back(UINT32_MAX);
  initialKeys.push_back(static_cast<std::uint32_t>(initialEntries.size()));

  // The trigram model.
  std::vector<std::uint32_t> unigrams, bigrams;
  std::vector<std::vector<SentenceModelTables::Scored>> sorted(V);
  for (std::size_t w = 0; w < V; ++w) {
    const auto& u = t.unigrams[w];
    if (u.cost < 0) return "a unigram cost below 0";
    unigrams.push_back(PackedCost(u.cost) | static_cast<std::uint32_t>(SignedCost(u.backoff))
                                                << 16);
    unigrams.push_back(static_cast<std::uint32_t>(bigrams.size()));
    auto list = u.bigrams;
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.word < b.word; });
    for (std::size_t k = 0; k < list.size(); ++k) {
      if (list[k].word >= V || (k > 0 && list[k].word == list[k - 1].word))
        return "bad or repeated bigram";
      if (list[k].cost < 0) return "a bigram cost below 0";
      bigrams.push_back(list[k].word << kCostBits | PackedCost(list[k].cost));
    }
    sorted[w] = std::move(list);
  }
  unigrams.push_back(0);
  unigrams.push_back(static_cast<std::uint32_t>(bigrams.size()));

  struct Placed {
    std::uint32_t bigram;
    const SentenceModelTables::History* history;
  };
  std::vector<Placed> placed;
  for (const auto& h : t.histories) {
    if (h.first >= V) return "history of an unknown word";
    const auto& list = sorted[h.first];
    auto it = std::lower_bound(list.begin(), list.end(), h.second,
                               [](const auto& e, std::uint32_t w) { return e.word < w; });
    if (it == list.end() || it->word != h.second) return "a trigram history that is no bigram";
    placed.push_back(
        {unigrams[2 * h.first + 1] + static_cast<std::uint32_t>(it - list.begin()), &h});
  }
  std::sort(placed.begin(), placed.end(),
            [](const Placed& a, const Placed& b) { return a.bigram < b.bigram; });
  const std::size_t blocks = bigrams.size() / 64 + 1;
  std::vector<std::uint64_t> contextBits(blocks, 0);
  std::vector<std::uint32_t> contextRanks, contexts, trigrams;
  std::vector<std::uint16_t> contextBackoffs;
  for (std::size_t k = 0; k < placed.size(); ++k) {
    if (k > 0 && placed[k].bigram == placed[k - 1].bigram) return "repeated trigram history";
    contextBits[placed[k].bigram / 64] |= std::uint64_t{1} << (placed[k].bigram % 64);
    contexts.push_back(static_cast<std::uint32_t>(trigrams.size()));
    contextBackoffs.push_back(SignedCost(placed[k].history->backoff));
    auto list = placed[k].history->trigrams;
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.word < b.word; });
    for (std::size_t j = 0; j < list.size(); ++j) {
      if (list[j].word >= V || (j > 0 && list[j].word == list[j - 1].word))
        return "bad or repeated trigram";
      if (list[j].cost < 0) return "a trigram cost below 0";
      trigrams.push_back(list[j].word << kCostBits | PackedCost(list[j].cost));
    }
  }
  contexts.push_back(static_cast<std::uint32_t>(trigrams.size()));
  std::uint32_t rank = 0;
  for (std::uint64_t block : contextBits) {
    contextRanks.push_back(rank);
    rank += static_cast<std::uint32_t>(std::popcount(block));
  }
  contextRanks.push_back(rank);

  Sections out;
  out.Put(kWordChars, wordChars);
  out.Put(kChars, chars);
  out.Put(kTrieNodes, trieNodes);
  out.Put(kTrieEdges, trieEdges);
  out.Put(kTrieEntries, trieEntries);
  out.Put(kInitialKeys, initialKeys);
  out.Put(kInitialEntries, initialEntries);
  out.Put(kUnigrams, unigrams);
  out.Put(kBigrams, bigrams);
  out.Put(kContextBits, contextBits);
  out.Put(kContextRanks, contextRanks);
  out.Put(kContexts, contexts);
  out.Put(kContextBackoffs, contextBackoffs);
  out.Put(kTrigrams, trigrams);
  *bytes = out.Bytes();
  return {};
}

}  // namespace dazi::dictbuild
