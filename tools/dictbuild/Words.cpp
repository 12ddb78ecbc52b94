#include "tools/dictbuild/Words.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

#include "engine/dict/DictLayout.h"
#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

std::string Utf8Of(const std::vector<char32_t>& cps) {
  std::string s;
  for (char32_t cp : cps) AppendUtf8(&s, cp);
  return s;
}

bool AllInClass(const Model& model, const std::vector<char32_t>& form, std::uint8_t cls) {
  for (char32_t cp : form)
    if (!(model.chars[static_cast<std::size_t>(HanziIndex(cp))].classes & cls)) return false;
  return true;
}

// Reading index of each character, or false when a syllable is not one of its readings.
bool ResolveReadings(const Model& model, const std::vector<char32_t>& form,
                     const std::vector<ToneSyllable>& pinyin, std::vector<int>* index) {
  index->clear();
  for (std::size_t k = 0; k < form.size(); ++k) {
    const auto& readings = model.chars[static_cast<std::size_t>(HanziIndex(form[k]))].readings;
    int found = -1;
    for (std::size_t j = 0; j < readings.size() && found < 0; ++j)
      if (readings[j].syllable == pinyin[k].syllable) found = static_cast<int>(j);
    if (found < 0) return false;
    index->push_back(found);
  }
  return true;
}

std::uint8_t PatternByte(const Model& model, const WordData& w, bool* expressible) {
  std::uint8_t byte = 0;
  *expressible = true;
  for (std::size_t k = 0; k < w.chars.size(); ++k) {
    int j = w.readingIndex[k];
    if (model.chars[static_cast<std::size_t>(w.chars[k])].readings.size() < 2) j = 0;
    if (k >= kPatternFields) {
      if (j != 0) *expressible = false;
    } else if (j < 0 || static_cast<std::uint32_t>(j) > kPatternFieldMax) {
      *expressible = false;
    } else {
      byte = static_cast<std::uint8_t>(WithPatternReading(byte, k, static_cast<std::uint32_t>(j)));
    }
  }
  return byte;
}

}  // namespace

int GroupOfRank(long rank) {
  constexpr double kBandZero = 400;  // the most frequent words share group 0
  if (static_cast<double>(rank) <= kBandZero) return 0;
  int g = 1 + static_cast<int>(std::floor(1.5 * std::log2(static_cast<double>(rank) / kBandZero)));
  return std::min(g, 15);
}

bool GuessSyllables(const Model& model, const std::map<std::vector<int>, std::vector<int>>& known,
                    const std::vector<int>& chars, std::vector<int>* syllables) {
  syllables->clear();
  std::size_t k = 0;
  while (k < chars.size()) {
    std::size_t best = 0;
    for (std::size_t len = chars.size() - k; len >= 2 && best == 0; --len) {
      std::vector<int> part(chars.begin() + static_cast<long>(k),
                            chars.begin() + static_cast<long>(k + len));
      auto it = known.find(part);
      if (it == known.end()) continue;
      syllables->insert(syllables->end(), it->second.begin(), it->second.end());
      best = len;
    }
    if (best == 0) {
      const auto& readings = model.chars[static_cast<std::size_t>(chars[k])].readings;
      if (readings.empty()) return false;
      syllables->push_back(readings[0].syllable);
      best = 1;
    }
    k += best;
  }
  return true;
}

namespace {

// A word CC-CEDICT lacks, for the simplified class, when its syllables are readings of its
// characters.
bool AddSimplifiedWord(const std::vector<int>& chars, const std::vector<int>& syllables,
                       long frequency, Model* model, BuildReport* report) {
  std::vector<char32_t> form;
  for (int c : chars) form.push_back(kFirstHanzi + static_cast<char32_t>(c));
  std::vector<ToneSyllable> pinyin;
  for (int s : syllables) pinyin.push_back({s, 5});
  WordData w;
  if (!ResolveReadings(*model, form, pinyin, &w.readingIndex)) {
    ++report->wordsReadingMismatch;
    return false;
  }
  if (!AllInClass(*model, form, kSimplified)) {
    ++report->wordsClassMismatch;
    return false;
  }
  w.chars = chars;
  w.syllables = syllables;
  w.simplified = true;
  w.frequency = frequency;
  w.sourceOrder = static_cast<int>(model->words.size()) + 1;
  model->words.push_back(std::move(w));
  return true;
}

}  // namespace

void CollectWords(const Sources& sources, const WordFrequencies& frequencies, Model* model,
                  BuildReport* report) {
  std::map<std::pair<std::vector<int>, std::vector<int>>, std::size_t> byKey;
  std::set<std::vector<int>> cedictForms;
  std::vector<int> index;
  int order = 0;
  for (const CedictEntry& e : sources.cedict) {
    ++order;
    if (e.simplified.size() < kMinWordChars || e.simplified.size() > kMaxWordChars) continue;
    const auto frequency = std::lround(frequencies.Of(Utf8Of(e.simplified)));
    for (int form = 0; form < 2; ++form) {
      const auto& chars = form == 0 ? e.simplified : e.traditional;
      if (form == 1 && e.traditional == e.simplified) break;
      ++report->wordsCandidate;
      std::vector<int> key, syllables;
      for (char32_t cp : chars) key.push_back(HanziIndex(cp));
      cedictForms.insert(key);
      if (!ResolveReadings(*model, chars, e.pinyin, &index)) {
        ++report->wordsReadingMismatch;
        continue;
      }
      bool simplified = form == 0 && AllInClass(*model, chars, kSimplified);
      bool traditional =
          (form == 1 || e.traditional == e.simplified) && AllInClass(*model, chars, kTraditional);
      if (!simplified && !traditional) {
        ++report->wordsClassMismatch;
        continue;
      }
      for (const ToneSyllable& s : e.pinyin) syllables.push_back(s.syllable);
      auto [it, added] = byKey.try_emplace({key, syllables}, model->words.size());
      if (added) {
        WordData w;
        w.chars = key;
        w.syllables = syllables;
        w.readingIndex = index;
        w.frequency = frequency;
        w.sourceOrder = order;
        model->words.push_back(std::move(w));
      }
      WordData& w = model->words[it->second];
      w.simplified = w.simplified || simplified;
      w.traditional = w.traditional || traditional;
      w.frequency = std::max(w.frequency, frequency);
      w.senses.emplace_back(e.properNoun, e.senses);
    }
  }
  // Words of open-gram's lexicon that CC-CEDICT lacks, in their cheapest readings.
  std::set<std::vector<int>> added;
  std::vector<int> chars;
  for (const OpenGramIndex::Word& g : frequencies.OpenGram().Words()) {
    if (g.readings.empty() || !DecodeTableHanzi(g.utf8, &chars)) continue;
    if (chars.size() < kMinWordChars || chars.size() > kMaxWordChars) continue;
    if (cedictForms.count(chars)) continue;
    const auto frequency = std::lround(frequencies.Of(g.utf8));
    if (frequency <= 0) continue;
    for (const OpenGramIndex::Reading& r : g.readings)
      if (r.cost == g.readings.front().cost &&
          AddSimplifiedWord(chars, r.syllables, frequency, model, report)) {
        ++report->wordsFromOpenGram;
        added.insert(chars);
      }
  }
  // Frequent jieba words neither has, read like the known words inside them.
  std::map<std::vector<int>, std::vector<int>> known;
  for (const WordData& w : model->words)
    if (w.simplified) known.emplace(w.chars, w.syllables);
  std::vector<std::pair<std::string, long>> jieba;
  for (const auto& [word, count] : sources.jieba)
    if (count >= kJiebaWordMinCount) jieba.push_back({word, count});
  std::sort(jieba.begin(), jieba.end());
  std::vector<int> syllables;
  for (const auto& [word, count] : jieba) {
    if (!DecodeTableHanzi(word, &chars)) continue;
    if (chars.size() < kMinWordChars || chars.size() > kMaxWordChars) continue;
    if (cedictForms.count(chars) || added.count(chars)) continue;
    if (!GuessSyllables(*model, known, chars, &syllables)) continue;
    if (AddSimplifiedWord(chars, syllables, std::lround(frequencies.Of(word)), model, report))
      ++report->wordsFromJieba;
  }
  // Group by frequency rank over all words.
  std::vector<std::size_t> byFrequency(model->words.size());
  for (std::size_t i = 0; i < byFrequency.size(); ++i) byFrequency[i] = i;
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](std::size_t a, std::size_t b) {
    return model->words[a].frequency > model->words[b].frequency;
  });
  for (std::size_t r = 0; r < byFrequency.size(); ++r) {
    WordData& w = model->words[byFrequency[r]];
    w.group = w.frequency > 0 ? GroupOfRank(static_cast<long>(r) + 1) : 15;
  }
}

void ChoosePatterns(Model* model, BuildReport* report) {
  std::map<std::uint8_t, int> uses;
  std::vector<int> bytes(model->words.size(), -1);
  for (std::size_t i = 0; i < model->words.size(); ++i) {
    bool expressible = false;
    std::uint8_t b = PatternByte(*model, model->words[i], &expressible);
    if (!expressible) continue;
    bytes[i] = b;
    ++uses[b];
  }
  std::vector<std::pair<int, std::uint8_t>> ranked;
  for (auto [b, count] : uses) ranked.push_back({-count, b});
  std::sort(ranked.begin(), ranked.end());
  model->patterns.clear();
  model->patterns.push_back(0);  // the all-main pattern is always index 0
  for (auto [negCount, b] : ranked)
    if (b != 0 && model->patterns.size() < kZcReadingPatternCount) model->patterns.push_back(b);
  std::vector<WordData> kept;
  kept.reserve(model->words.size());
  for (std::size_t i = 0; i < model->words.size(); ++i) {
    auto at = std::find(model->patterns.begin(), model->patterns.end(), bytes[i]);
    if (bytes[i] < 0 || at == model->patterns.end()) {
      ++report->wordsNoPattern;
      continue;
    }
    model->words[i].pattern = static_cast<int>(at - model->patterns.begin());
    kept.push_back(std::move(model->words[i]));
  }
  const double total =
      static_cast<double>(kept.size() + static_cast<std::size_t>(report->wordsNoPattern));
  report->patternCoverage =
      total > 0 ? std::round(1000.0 * static_cast<double>(kept.size()) / total) / 10 : 0;
  model->words = std::move(kept);
}

void TrimToPools(Model* model, BuildReport* report) {
  for (int cls = 0; cls < 2; ++cls) {
    const std::uint8_t bit = cls == 0 ? kSimplified : kTraditional;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
      std::vector<std::size_t> pool;
      for (std::size_t i = 0; i < model->words.size(); ++i) {
        const WordData& w = model->words[i];
        if (!(cls == 0 ? w.simplified : w.traditional)) continue;
        const CharData& first = model->chars[static_cast<std::size_t>(w.chars[0])];
        if (!(first.classes & bit)) continue;
        bool hasInitial = false;
        for (const Reading& r : first.readings)
          hasInitial = hasInitial || SyllableTable[r.syllable][0] == letter;
        if (hasInitial) pool.push_back(i);
      }
      if (static_cast<int>(pool.size()) <= kPoolWordLimit) continue;
      std::stable_sort(pool.begin(), pool.end(), [&](std::size_t a, std::size_t b) {
        const WordData& x = model->words[a];
        const WordData& y = model->words[b];
        if (x.frequency != y.frequency) return x.frequency > y.frequency;
        return x.sourceOrder < y.sourceOrder;
      });
      for (std::size_t k = static_cast<std::size_t>(kPoolWordLimit); k < pool.size(); ++k) {
        WordData& w = model->words[pool[k]];
        (cls == 0 ? w.simplified : w.traditional) = false;
        ++report->wordsDroppedForPool[cls];
      }
    }
  }
  auto gone = std::remove_if(model->words.begin(), model->words.end(),
                             [](const WordData& w) { return !w.simplified && !w.traditional; });
  report->wordsDropped = static_cast<int>(model->words.end() - gone);
  model->words.erase(gone, model->words.end());
  report->wordsKept = static_cast<int>(model->words.size());
}

void OrderWords(Model* model) {
  std::stable_sort(model->words.begin(), model->words.end(),
                   [](const WordData& a, const WordData& b) {
                     if (a.frequency != b.frequency) return a.frequency > b.frequency;
                     return a.sourceOrder < b.sourceOrder;
                   });
}

}  // namespace dazi::dictbuild
