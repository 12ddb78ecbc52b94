#include "tools/dictbuild/ModelVocabulary.h"

#include <algorithm>
#include <unordered_set>

#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {
namespace {

// Open-gram's ids below this are punctuation and sentence marks.
constexpr std::uint32_t kFirstWordId = 100;

std::u32string TextOf(const Model& model, const std::vector<int>& chars) {
  std::u32string text;
  for (int i : chars) text += model.chars[static_cast<std::size_t>(i)].cp;
  return text;
}

bool IsModelText(const std::u32string& text) {
  return !text.empty() && text.size() <= kMaxModelWordChars &&
         std::all_of(text.begin(), text.end(), IsTableHanzi);
}

class Joiner {
 public:
  explicit Joiner(ModelVocabulary* v) : v_(v) {}

  std::uint32_t Add(const std::u32string& text, long openGramId, double probability) {
    auto [it, added] = v_->idOfText.try_emplace(text, static_cast<std::uint32_t>(v_->words.size()));
    if (added) v_->words.push_back({text, openGramId, probability});
    return it->second;
  }

  // Adds a spelling unless the word already has it.
  void Spell(std::uint32_t word, const std::vector<int>& syllables, double cost) {
    std::u32string key(1, static_cast<char32_t>(word));
    for (int s : syllables) key += static_cast<char32_t>(s);
    if (spelled_.insert(key).second) v_->spellings.push_back({word, syllables, cost});
  }

 private:
  ModelVocabulary* v_;
  std::unordered_set<std::u32string> spelled_;
};

}  // namespace

ModelVocabulary JoinVocabulary(const OpenGramModel& lm, const OpenGramLexicon& lexicon,
                               const Model& model, const std::vector<WordData>& words) {
  ModelVocabulary v;
  std::vector<double> lmProbability(lexicon.words.size(), 0);
  for (std::size_t i = 0; i < lm.Count(1); ++i) {
    const auto& n = lm.At(1, i);
    if (n.word < lmProbability.size()) lmProbability[n.word] = n.prob;
  }
  std::unordered_map<std::u32string, std::uint32_t> openGramIdOf;
  for (std::uint32_t id = kFirstWordId; id < lexicon.words.size(); ++id)
    if (IsModelText(lexicon.words[id])) openGramIdOf.emplace(lexicon.words[id], id);

  // Jieba's counts of dazi's simplified words, and their scale against open-gram's model.
  std::unordered_map<std::u32string, long> jieba;
  for (const WordData& w : words) {
    if (!w.simplified || w.frequency <= 0) continue;
    long& count = jieba[TextOf(model, w.chars)];
    count = std::max(count, w.frequency);
  }
  std::vector<double> ratios;
  for (const auto& [text, count] : jieba) {
    auto it = openGramIdOf.find(text);
    if (it != openGramIdOf.end() && lmProbability[it->second] > 0)
      ratios.push_back(lmProbability[it->second] / static_cast<double>(count));
  }
  if (!ratios.empty()) {
    std::nth_element(ratios.begin(), ratios.begin() + static_cast<long>(ratios.size() / 2),
                     ratios.end());
    v.jiebaScale = ratios[ratios.size() / 2];
  }
  auto countedProbability = [&](const std::u32string& text) {
    auto it = jieba.find(text);
    return it == jieba.end() ? kUncountedWordProbability
                             : std::max(kUncountedWordProbability,
                                        v.jiebaScale * static_cast<double>(it->second));
  };

  Joiner join(&v);
  v.fromOpenGram.assign(lexicon.words.size(), UINT32_MAX);
  for (const auto& s : lexicon.spellings) {
    const std::u32string& text = lexicon.words[s.word];
    if (s.word < kFirstWordId || !IsModelText(text) || text.size() != s.syllables.size()) continue;
    const double p = lmProbability[s.word] > 0 ? lmProbability[s.word] : countedProbability(text);
    const std::uint32_t id = join.Add(text, static_cast<long>(s.word), p);
    v.fromOpenGram[s.word] = id;
    join.Spell(id, s.syllables, s.polyphoneCost);
  }
  auto addOwn = [&](const std::u32string& text, const std::vector<int>& syllables) {
    if (!IsModelText(text) || text.size() != syllables.size()) return;
    const bool known = v.idOfText.count(text) != 0;
    const std::uint32_t id = join.Add(text, -1, countedProbability(text));
    join.Spell(id, syllables, known && v.words[id].openGramId >= 0 ? kDaziReadingCost : 0.0);
  };
  for (const WordData& w : words)
    if (w.simplified) addOwn(TextOf(model, w.chars), w.syllables);
  for (const CharData& c : model.chars) {
    if (!(c.classes & kSimplified)) continue;
    for (const Reading& r : c.readings)
      if (r.syllable >= 0) addOwn(std::u32string(1, c.cp), {r.syllable});
  }
  return v;
}

}  // namespace dazi::dictbuild
