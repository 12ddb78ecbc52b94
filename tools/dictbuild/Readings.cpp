#include "tools/dictbuild/Readings.h"

#include <algorithm>
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
  for (std::size_t i = 0; i < n; ++i) {
    auto& list = candidates[i];
    std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) {
      if (a.pinlu != b.pinlu) return a.pinlu > b.pinlu;
      if (a.wordUse != b.wordUse) return a.wordUse > b.wordUse;
      return a.order < b.order;
    });
    if (list.size() > kMaxReadings) list.resize(kMaxReadings);
    CharData& c = model->chars[i];
    c.readings.clear();
    for (Candidate& cand : list) c.readings.push_back(std::move(cand.reading));
    if (c.readings.empty()) ++report->charsWithoutReading;
  }
}

}  // namespace dazi::dictbuild
