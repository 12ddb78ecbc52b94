#include "tools/dictbuild/Readings.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

struct Candidate {
  Reading reading;
  long pinlu = 0;    // kHanyuPinlu count
  long wordUse = 0;  // jieba counts of CC-CEDICT words that read the character so
  int order = 0;     // first appearance in the sources
};

void AddCandidate(std::vector<Candidate>* list, ToneSyllable r) {
  if (r.syllable < 0) return;
  for (Candidate& c : *list) {
    if (c.reading.syllable != r.syllable) continue;
    if (std::find(c.reading.tones.begin(), c.reading.tones.end(), r.tone) == c.reading.tones.end())
      c.reading.tones.push_back(r.tone);
    return;
  }
  Candidate c;
  c.reading.syllable = r.syllable;
  c.reading.tones.push_back(r.tone);
  c.order = static_cast<int>(list->size());
  list->push_back(std::move(c));
}

// Each reading's part of the character's use: the mean of the parts kHanyuPinlu and the words
// give it, where they say anything; a reading neither mentions gets kUnheardShare (the main
// reading, without any evidence, 1).
std::vector<double> ReadingShares(const std::vector<Candidate>& list) {
  double pinlu = 0, words = 0;
  for (const Candidate& c : list) {
    pinlu += static_cast<double>(c.pinlu);
    words += static_cast<double>(c.wordUse);
  }
  std::vector<double> shares;
  for (std::size_t j = 0; j < list.size(); ++j) {
    std::vector<double> parts;
    if (pinlu > 0) parts.push_back(static_cast<double>(list[j].pinlu) / pinlu);
    if (words > 0) parts.push_back(static_cast<double>(list[j].wordUse) / words);
    double share = j == 0 ? 1.0 : 0.0;
    if (!parts.empty()) {
      share = 0;
      for (double p : parts) share += p / static_cast<double>(parts.size());
    }
    shares.push_back(std::max(share, kUnheardShare));
  }
  return shares;
}

// Most used first: by share, so that neither source alone decides (kHanyuPinlu hears 似
// mostly as shì, in 似的, and 咳 as the interjection hāi; the words read them sì and ké); ties
// by kHanyuPinlu, the words, then the sources' order. The words leave out a character used
// as a word of its own (the particle 呢 is ne, its words 呢子 and 呢喃 are ní), so the main
// reading is one that kHanyuPinlu hears at least half as often as its most heard.
void SortByUse(std::vector<Candidate>* list) {
  std::stable_sort(list->begin(), list->end(), [](const Candidate& a, const Candidate& b) {
    if (a.pinlu != b.pinlu) return a.pinlu > b.pinlu;
    if (a.wordUse != b.wordUse) return a.wordUse > b.wordUse;
    return a.order < b.order;
  });
  if (list->empty()) return;
  const long mostHeard = list->front().pinlu;
  const std::vector<double> shares = ReadingShares(*list);
  std::vector<std::size_t> order(list->size());
  for (std::size_t j = 0; j < order.size(); ++j) order[j] = j;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return shares[a] > shares[b]; });
  const auto main = std::find_if(order.begin(), order.end(),
                                 [&](std::size_t j) { return 2 * (*list)[j].pinlu >= mostHeard; });
  std::rotate(order.begin(), main, main + 1);
  std::vector<Candidate> sorted;
  for (std::size_t j : order) sorted.push_back((*list)[j]);
  *list = std::move(sorted);
}

// Per character: the syllables CC-CEDICT writes it with in a simplified form, and those it has
// only as the traditional form of another character.
struct FormUse {
  std::vector<std::set<int>> simplified, traditional;
};

FormUse CedictFormUse(const std::vector<CedictEntry>& cedict, std::size_t n) {
  FormUse use{std::vector<std::set<int>>(n), std::vector<std::set<int>>(n)};
  for (const CedictEntry& e : cedict)
    for (std::size_t k = 0; k < e.simplified.size(); ++k) {
      use.simplified[static_cast<std::size_t>(HanziIndex(e.simplified[k]))].insert(
          e.pinyin[k].syllable);
      if (e.traditional[k] != e.simplified[k])
        use.traditional[static_cast<std::size_t>(HanziIndex(e.traditional[k]))].insert(
            e.pinyin[k].syllable);
    }
  return use;
}

std::string Utf8Of(const std::vector<char32_t>& cps) {
  std::string s;
  for (char32_t cp : cps) AppendUtf8(&s, cp);
  return s;
}

}  // namespace

void AssignReadings(const Sources& sources, Model* model, BuildReport* report) {
  const std::size_t n = model->chars.size();
  std::vector<std::vector<Candidate>> candidates(n);
  for (std::size_t i = 0; i < n; ++i)
    for (const ToneSyllable& r : sources.unihan.chars[i].modern) AddCandidate(&candidates[i], r);
  for (const CedictEntry& e : sources.cedict) {
    if (e.simplified.size() != 1) continue;
    AddCandidate(&candidates[static_cast<std::size_t>(HanziIndex(e.simplified[0]))], e.pinyin[0]);
    AddCandidate(&candidates[static_cast<std::size_t>(HanziIndex(e.traditional[0]))], e.pinyin[0]);
  }
  for (std::size_t i = 0; i < n; ++i)
    if (candidates[i].empty())
      for (const ToneSyllable& r : sources.unihan.chars[i].historic)
        AddCandidate(&candidates[i], r);

  // How often each reading is used: kHanyuPinlu, and the words that use it.
  for (std::size_t i = 0; i < n; ++i)
    for (const ReadingUse& use : sources.unihan.chars[i].pinlu)
      for (Candidate& c : candidates[i])
        if (c.reading.syllable == use.reading.syllable) c.pinlu += use.count;
  for (const CedictEntry& e : sources.cedict) {
    if (e.simplified.size() < 2) continue;
    auto it = sources.jieba.find(Utf8Of(e.simplified));
    if (it == sources.jieba.end()) continue;
    for (std::size_t k = 0; k < e.simplified.size(); ++k) {
      for (char32_t cp : {e.simplified[k], e.traditional[k]}) {
        for (Candidate& c : candidates[static_cast<std::size_t>(HanziIndex(cp))])
          if (c.reading.syllable == e.pinyin[k].syllable) c.wordUse += it->second;
        if (e.simplified[k] == e.traditional[k]) break;
      }
    }
  }
  const FormUse formUse = CedictFormUse(sources.cedict, n);
  for (std::size_t i = 0; i < n; ++i) {
    auto& list = candidates[i];
    SortByUse(&list);
    if (list.size() > kMaxReadings) list.resize(kMaxReadings);
    CharData& c = model->chars[i];
    c.readings.clear();
    const std::vector<double> shares = ReadingShares(list);
    for (std::size_t j = 0; j < list.size(); ++j) {
      c.readings.push_back(std::move(list[j].reading));
      Reading& r = c.readings.back();
      r.share = shares[j];
      bool standard = false;
      for (const ToneSyllable& s : sources.unihan.chars[i].standard)
        standard = standard || s.syllable == r.syllable;
      r.traditionalUse = formUse.traditional[i].count(r.syllable) &&
                         !formUse.simplified[i].count(r.syllable) && !standard;
    }
    if (c.readings.empty()) ++report->charsWithoutReading;
  }
}

}  // namespace dazi::dictbuild
