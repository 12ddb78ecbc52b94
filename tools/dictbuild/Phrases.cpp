#include "tools/dictbuild/Phrases.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <unordered_map>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/ModelPhrases.h"
#include "tools/dictbuild/SplitChunks.h"
#include "tools/dictbuild/TextCounts.h"
#include "tools/dictbuild/TraditionalPhrases.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"
#include "tools/dictbuild/Words.h"

namespace dazi::dictbuild {
namespace {

constexpr long kCuratedFrequency = std::numeric_limits<long>::max() / 2;

bool AllInClass(const Model& model, const std::vector<int>& chars, std::uint8_t cls) {
  for (int i : chars)
    if (!(model.chars[static_cast<std::size_t>(i)].classes & cls)) return false;
  return true;
}

bool Readable(const Model& model, const std::vector<int>& chars, const std::vector<int>& sylls) {
  if (chars.size() != sylls.size()) return false;
  for (std::size_t k = 0; k < chars.size(); ++k) {
    bool found = false;
    for (const Reading& r : model.chars[static_cast<std::size_t>(chars[k])].readings)
      found = found || r.syllable == sylls[k];
    if (!found) return false;
  }
  return true;
}

std::string PinyinOf(const std::vector<int>& syllables) {
  std::string s;
  for (int x : syllables) s += SyllableTable[x];
  return s;
}

std::vector<PhraseData> Candidates(const Sources& sources, const Model& model,
                                   const std::vector<WordData>& words, BuildReport* report) {
  std::vector<PhraseData> out;
  std::set<std::pair<std::vector<int>, std::vector<int>>> seen;
  for (const CuratedWord& cw : sources.curated) {
    PhraseData p;
    if (!DecodeTableHanzi(cw.utf8, &p.chars) || !Readable(model, p.chars, cw.syllables)) {
      report->notes.push_back("curated word " + cw.utf8 + " does not fit its readings; left out");
      continue;
    }
    p.syllables = cw.syllables;
    p.frequency = kCuratedFrequency - static_cast<long>(out.size());
    p.curated = true;
    p.simplified = AllInClass(model, p.chars, kSimplified);
    p.traditional = AllInClass(model, p.chars, kTraditional);
    seen.insert({p.chars, p.syllables});
    out.push_back(std::move(p));
  }
  std::map<std::vector<int>, std::vector<int>> knownReadings;  // most frequent reading first
  std::set<std::vector<int>> knownForms;
  for (const WordData& w : words) {
    if (w.chars.size() > kMaxPhraseChars) continue;
    knownForms.insert(w.chars);
    if (w.simplified) knownReadings.emplace(w.chars, w.syllables);
    if (w.frequency <= 0 || !seen.insert({w.chars, w.syllables}).second) continue;
    PhraseData p;
    p.chars = w.chars;
    p.syllables = w.syllables;
    p.frequency = w.frequency;
    p.glossed = !w.senses.empty();
    p.simplified = w.simplified;
    p.traditional = w.traditional;
    out.push_back(std::move(p));
  }
  // Frequent jieba words that CC-CEDICT lacks, in a fixed (sorted) order.
  std::vector<std::pair<std::string, long>> jieba;
  for (const auto& [word, count] : sources.jieba)
    if (count >= kJiebaPhraseMinCount) jieba.push_back({word, count});
  std::sort(jieba.begin(), jieba.end());
  for (const auto& [word, count] : jieba) {
    PhraseData p;
    if (!DecodeTableHanzi(word, &p.chars) || p.chars.size() < 2 || p.chars.size() > kMaxPhraseChars)
      continue;
    if (knownForms.count(p.chars)) continue;
    if (!GuessSyllables(model, knownReadings, p.chars, &p.syllables)) continue;
    if (!seen.insert({p.chars, p.syllables}).second) continue;
    p.frequency = count;
    p.simplified = AllInClass(model, p.chars, kSimplified);
    if (!p.simplified) continue;
    ++report->jiebaPhrases;
    out.push_back(std::move(p));
  }
  report->jiebaPhrases += static_cast<int>(sources.curated.size());
  for (PhraseData& p : out) p.pinyin = PinyinOf(p.syllables);
  return out;
}

void SortByFrequency(std::vector<PhraseData>* phrases) {
  std::stable_sort(phrases->begin(), phrases->end(), [](const PhraseData& a, const PhraseData& b) {
    return a.frequency > b.frequency;
  });
}

// Frequencies from jieba and the text of manpages-zh together, and the text's chunks.
void AddTextEvidence(const Sources& sources, const Model& model,
                     std::vector<PhraseData>* candidates, BuildReport* report) {
  if (sources.manPageRuns.empty()) return;
  const AdjacentCounts counts = CountTextWords(sources, model, *candidates);
  std::vector<PhraseData> chunks = AdjacentChunks(sources, model, counts, *candidates);
  AddTextFrequencies(sources, counts, candidates);
  report->textWords = counts.tokens;
  report->textChunks = static_cast<int>(chunks.size());
  for (PhraseData& chunk : chunks) {
    chunk.pinyin = PinyinOf(chunk.syllables);
    candidates->push_back(std::move(chunk));
  }
}

// The model's chunks, and no phrase whose letters the model reads better as other words.
void AddModelEvidence(const Model& model, const WordFrequencies& frequencies,
                      std::vector<PhraseData>* candidates, BuildReport* report) {
  if (!frequencies.HasModel()) return;
  std::vector<std::vector<int>> forms;
  for (const PhraseData& p : *candidates) forms.push_back(p.chars);
  std::vector<PhraseData> chunks = ModelChunks(model, frequencies, forms);
  report->modelChunks = static_cast<int>(chunks.size());
  for (PhraseData& chunk : chunks) {
    chunk.pinyin = PinyinOf(chunk.syllables);
    candidates->push_back(std::move(chunk));
  }
  const SplitJudge judge(model, frequencies.OpenGram());
  const double total = frequencies.CountOf(1.0);
  const auto gone =
      std::remove_if(candidates->begin(), candidates->end(), [&](const PhraseData& p) {
        return !p.curated &&
               judge.PrefersSplit(p.chars, p.syllables, static_cast<double>(p.frequency) / total);
      });
  report->phrasesSplit = static_cast<int>(candidates->end() - gone);
  candidates->erase(gone, candidates->end());
}

void AssignLevels(std::vector<PhraseData>* phrases) {
  long twoCharRank = 0, rank = 0;
  for (PhraseData& p : *phrases) {
    ++rank;
    long r = rank;
    if (p.chars.size() == 2) r = ++twoCharRank;
    if (p.curated || (p.chars.size() == 2 && r <= kLevelZeroWords)) {
      p.level = 0;
      continue;
    }
    double steps = std::log2(static_cast<double>(r) / kLevelZeroWords);
    p.level = std::clamp(1 + static_cast<int>(std::floor(std::max(steps, 0.0))), 1, 15);
  }
}

// Cuts a block (in preference order) to limit records: the least preferred of the phrases
// written only in traditional form go first, so that the traditional class's share of the
// phrases takes no room the simplified class had; then the least preferred of all.
int TrimBlock(std::vector<const PhraseData*>* block, int limit) {
  int over = static_cast<int>(block->size()) - limit;
  if (over <= 0) return 0;
  const int dropped = over;
  for (auto it = block->end(); it != block->begin() && over > 0;) {
    --it;
    if (!(*it)->simplified) {
      it = block->erase(it);
      --over;
    }
  }
  block->resize(block->size() - static_cast<std::size_t>(over));
  return dropped;
}

std::vector<PhraseData> PhraseBlocks(const std::vector<PhraseData>& candidates,
                                     BuildReport* report) {
  std::map<std::string, std::vector<const PhraseData*>> blocks;
  std::vector<std::string> keys;
  for (const PhraseData& p : candidates) {
    if (p.pinyin.size() < 4 || p.chars.size() < 2) continue;
    auto& block = blocks[p.pinyin.substr(0, 4)];
    if (block.empty()) keys.push_back(p.pinyin.substr(0, 4));
    block.push_back(&p);
  }
  for (auto& [key, block] : blocks) report->phrasesDropped += TrimBlock(&block, kPhraseBlockLimit);
  // Per first letter keep the keys whose blocks start with the most frequent words.
  std::map<char, int> keysOfLetter;
  std::vector<PhraseData> out;
  for (const std::string& key : keys) {
    const auto& block = blocks[key];
    if (++keysOfLetter[key[0]] > kPhraseKeysPerLetter) {
      report->phrasesDropped += static_cast<int>(block.size());
      continue;
    }
    ++report->phraseKeys;
    for (const PhraseData* p : block) out.push_back(*p);
  }
  report->phrases = static_cast<int>(out.size());
  return out;
}

std::vector<PhraseData> AbbrevBlocks(const std::vector<PhraseData>& candidates,
                                     BuildReport* report) {
  std::set<std::pair<std::vector<int>, std::string>> seen;
  std::vector<PhraseData> entries;
  std::map<int, std::vector<const PhraseData*>> perPair;
  entries.reserve(candidates.size());
  for (const PhraseData& p : candidates) {
    if (p.chars.size() < 2 || p.chunk) continue;
    std::string initials;
    for (int s : p.syllables) initials.push_back(SyllableTable[s][0]);
    if (!seen.insert({p.chars, initials}).second) continue;
    entries.push_back(p);
    entries.back().pinyin = initials;
  }
  for (const PhraseData& p : entries)
    perPair[(p.pinyin[0] - 'a') * 26 + (p.pinyin[1] - 'a')].push_back(&p);
  std::set<const PhraseData*> kept;
  for (auto& [pair, block] : perPair) {
    report->abbrevsDropped += TrimBlock(&block, kAbbrevBlockLimit);
    kept.insert(block.begin(), block.end());
  }
  std::vector<PhraseData> out;
  for (const PhraseData& p : entries)
    if (kept.count(&p)) out.push_back(p);
  report->abbrevs = static_cast<int>(out.size());
  return out;
}

}  // namespace

PhraseSet BuildPhrases(const Sources& sources, const Model& model,
                       const std::vector<WordData>& words, const WordFrequencies& frequencies,
                       BuildReport* report) {
  std::vector<PhraseData> candidates = Candidates(sources, model, words, report);
  AddTextEvidence(sources, model, &candidates, report);
  AddModelEvidence(model, frequencies, &candidates, report);
  AddTraditionalPhrases(TraditionalWriting(sources, model, frequencies), &candidates);
  SortByFrequency(&candidates);
  AssignLevels(&candidates);
  // The split chunks go last in their blocks and stay out of the initials blocks.
  std::set<std::string> spelled;
  for (const PhraseData& p : candidates) spelled.insert(p.pinyin);
  std::vector<PhraseData> withChunks = candidates;
  for (PhraseData& chunk : SplitChunks(model, spelled)) withChunks.push_back(std::move(chunk));
  PhraseSet set;
  set.phrases = PhraseBlocks(withChunks, report);
  set.abbrevs = AbbrevBlocks(candidates, report);
  return set;
}

}  // namespace dazi::dictbuild
