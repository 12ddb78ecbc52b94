#include "tools/dictbuild/TextCounts.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace dazi::dictbuild {
namespace {

long JiebaTotal(const Sources& sources) {
  long total = 0;
  for (const auto& [word, count] : sources.jieba) total += count;
  return total;
}

// Text counts times this are on jieba's scale.
double TextScale(const Sources& sources, const AdjacentCounts& counts) {
  if (counts.tokens == 0) return 0;
  return static_cast<double>(JiebaTotal(sources)) / static_cast<double>(counts.tokens);
}

bool AllInClass(const Model& model, const std::vector<int>& chars, std::uint8_t cls) {
  for (int i : chars)
    if (!(model.chars[static_cast<std::size_t>(i)].classes & cls)) return false;
  return true;
}

}  // namespace

AdjacentCounts CountTextWords(const Sources& sources, const Model& model,
                              const std::vector<PhraseData>& candidates) {
  std::unordered_map<std::uint64_t, long> lexicon;
  for (std::size_t i = 0; i < model.chars.size(); ++i) {
    const auto it = sources.jieba.find(model.chars[i].utf8);
    if (it != sources.jieba.end()) {
      const int index = static_cast<int>(i);
      lexicon[WordKey(&index, 1)] = it->second;
    }
  }
  for (const PhraseData& p : candidates) {
    if (p.chars.size() > kMaxCountedWordChars || p.curated) continue;
    long& f = lexicon[WordKey(p.chars)];
    f = std::max(f, p.frequency);
  }
  return CountAdjacentWords(sources.manPageRuns, lexicon);
}

void AddTextFrequencies(const Sources& sources, const AdjacentCounts& counts,
                        std::vector<PhraseData>* candidates) {
  const double scale = TextScale(sources, counts) * kTextWordWeight;
  for (PhraseData& p : *candidates) {
    if (p.chars.size() > kMaxCountedWordChars || p.curated || !p.glossed) continue;
    const auto it = counts.words.find(WordKey(p.chars));
    if (it == counts.words.end()) continue;
    const double text = scale * static_cast<double>(it->second);
    p.frequency += std::lround(std::min(text, kTextBoostLimit * static_cast<double>(p.frequency)));
  }
}

std::vector<PhraseData> AdjacentChunks(const Sources& sources, const Model& model,
                                       const AdjacentCounts& counts,
                                       const std::vector<PhraseData>& candidates) {
  const double scale = TextScale(sources, counts);
  std::set<std::uint64_t> forms;
  for (const PhraseData& p : candidates)
    if (p.chars.size() == 2) forms.insert(WordKey(p.chars));
  std::vector<PhraseData> out;
  for (const auto& [key, count] : counts.singlePairs) {
    if (count < kMinChunkCount || forms.count(key)) continue;
    PhraseData p;
    p.chars = {static_cast<int>((key >> 15) & 0x7FFF) - 1, static_cast<int>(key & 0x7FFF) - 1};
    for (int c : p.chars) {
      const auto& readings = model.chars[static_cast<std::size_t>(c)].readings;
      if (readings.empty()) break;
      p.syllables.push_back(readings[0].syllable);
    }
    if (p.syllables.size() != 2) continue;
    p.simplified = AllInClass(model, p.chars, kSimplified);
    if (!p.simplified) continue;
    p.frequency = static_cast<long>(scale * static_cast<double>(count));
    p.chunk = true;
    out.push_back(std::move(p));
  }
  // The counts come from a hash map: a fixed order keeps the build deterministic.
  std::sort(out.begin(), out.end(),
            [](const PhraseData& a, const PhraseData& b) { return a.chars < b.chars; });
  return out;
}

}  // namespace dazi::dictbuild
