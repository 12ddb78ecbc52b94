#include "tools/dictbuild/ModelPhrases.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>

#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

bool TableHanzi(const std::string& utf8, std::vector<int>* chars) {
  chars->clear();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = DecodeUtf8(utf8, &pos);
    if (!IsTableHanzi(cp)) return false;
    chars->push_back(HanziIndex(cp));
  }
  return !chars->empty();
}

bool HasReading(const CharData& c, int syllable) {
  for (const Reading& r : c.readings)
    if (r.syllable == syllable) return true;
  return false;
}

double ReadingWeight(int cost) {
  return std::ldexp(1.0, -cost);
}

}  // namespace

std::vector<PhraseData> ModelChunks(const Model& model, const WordFrequencies& frequencies,
                                    const std::vector<std::vector<int>>& words) {
  const OpenGramIndex& openGram = frequencies.OpenGram();
  struct Single {
    int hanzi;
    int syllable;
    double probability;
  };
  std::unordered_map<std::uint32_t, Single> singles;
  std::vector<int> chars;
  for (std::uint32_t id = 0; id < openGram.Words().size(); ++id) {
    const OpenGramIndex::Word& w = openGram.Words()[id];
    if (w.readings.empty() || !TableHanzi(w.utf8, &chars) || chars.size() != 1) continue;
    const CharData& c = model.chars[static_cast<std::size_t>(chars[0])];
    if (!(c.classes & kSimplified) || c.readings.empty() || !openGram.Knows(id)) continue;
    int syllable = w.readings.front().syllables[0];
    if (!HasReading(c, syllable)) syllable = c.readings[0].syllable;
    singles[id] = {chars[0], syllable, w.unigram};
  }
  std::set<std::pair<int, int>> taken;
  for (const std::vector<int>& w : words)
    if (w.size() == 2) taken.insert({w[0], w[1]});
  std::vector<PhraseData> out;
  openGram.ForEachBigram([&](std::uint32_t a, std::uint32_t b, double p) {
    const auto first = singles.find(a);
    if (first == singles.end()) return;
    const auto second = singles.find(b);
    if (second == singles.end()) return;
    const double count = frequencies.CountOf(first->second.probability * p);
    if (count < kMinModelChunkCount) return;
    if (taken.count({first->second.hanzi, second->second.hanzi})) return;
    PhraseData chunk;
    chunk.chars = {first->second.hanzi, second->second.hanzi};
    chunk.syllables = {first->second.syllable, second->second.syllable};
    chunk.frequency = std::lround(count);
    chunk.chunk = true;
    chunk.simplified = true;
    out.push_back(std::move(chunk));
  });
  std::sort(out.begin(), out.end(),
            [](const PhraseData& x, const PhraseData& y) { return x.chars < y.chars; });
  return out;
}

SplitJudge::SplitJudge(const Model& model, const OpenGramIndex& openGram) : openGram_(openGram) {
  std::vector<int> chars;
  for (std::uint32_t id = 0; id < openGram.Words().size(); ++id) {
    const OpenGramIndex::Word& w = openGram.Words()[id];
    if (w.readings.empty() || !openGram.Knows(id) || !TableHanzi(w.utf8, &chars)) continue;
    bool simplified = true;
    for (int c : chars)
      simplified = simplified && (model.chars[static_cast<std::size_t>(c)].classes & kSimplified);
    if (!simplified) continue;
    const double p = w.unigram;
    for (const OpenGramIndex::Reading& r : w.readings) {
      const Candidate c{id, chars, ReadingWeight(r.cost), p * ReadingWeight(r.cost)};
      auto [it, added] = best_.try_emplace(r.syllables, c);
      if (!added && c.weight > it->second.weight) it->second = c;
      longest_ = std::max(longest_, r.syllables.size());
    }
  }
}

bool SplitJudge::PrefersSplit(const std::vector<int>& chars, const std::vector<int>& syllables,
                              double probability) const {
  const std::size_t n = syllables.size();
  if (n < 2 || best_.empty()) return false;
  // Unigram walk: the likeliest words from the start to each syllable.
  std::vector<double> score(n + 1, 0);
  std::vector<const Candidate*> word(n + 1, nullptr);
  std::vector<std::size_t> from(n + 1, 0);
  score[0] = 1;
  std::vector<int> span;
  for (std::size_t end = 1; end <= n; ++end) {
    for (std::size_t start = end > longest_ ? end - longest_ : 0; start < end; ++start) {
      if (score[start] == 0 || (start == 0 && end == n)) continue;
      span.assign(syllables.begin() + static_cast<long>(start),
                  syllables.begin() + static_cast<long>(end));
      const auto it = best_.find(span);
      if (it == best_.end()) continue;
      const double s = score[start] * it->second.weight;
      if (s > score[end]) {
        score[end] = s;
        word[end] = &it->second;
        from[end] = start;
      }
    }
  }
  if (score[n] == 0) return false;
  std::vector<const Candidate*> words;
  for (std::size_t at = n; at > 0; at = from[at]) words.push_back(word[at]);
  std::reverse(words.begin(), words.end());
  std::vector<int> split;
  for (const Candidate* c : words) split.insert(split.end(), c->chars.begin(), c->chars.end());
  if (split == chars) return false;
  // The model's own probability of that reading, each word weighted by its reading's part.
  OpenGramModel::State state;
  double p = 1;
  for (const Candidate* c : words) p *= openGram_.Next(&state, c->id) * c->readingWeight;
  return p > probability;
}

}  // namespace dazi::dictbuild
