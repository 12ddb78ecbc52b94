#include "tools/dictbuild/TraditionalPhrases.h"

#include <set>

#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

constexpr std::size_t kLongestWordLookedUp = 4;

std::vector<int> Indexes(const std::vector<char32_t>& cps) {
  std::vector<int> out;
  for (char32_t cp : cps) out.push_back(HanziIndex(cp));
  return out;
}

bool AllTraditional(const Model& model, const std::vector<int>& chars) {
  for (int i : chars)
    if (!(model.chars[static_cast<std::size_t>(i)].classes & kTraditional)) return false;
  return true;
}

}  // namespace

TraditionalWriting::TraditionalWriting(const Sources& sources, const Model& model,
                                       const WordFrequencies& words)
    : model_(model), usual_(model.chars.size(), -1) {
  std::vector<std::map<int, double>> writtenAs(model.chars.size());
  std::map<std::vector<int>, double> wordWeight;
  for (const CedictEntry& e : sources.cedict) {
    if (e.senses.find("variant of") != std::string::npos) continue;
    std::string form;
    for (char32_t cp : e.simplified) AppendUtf8(&form, cp);
    const double weight = e.simplified.size() > 1 ? words.Of(form) : 0;
    const std::vector<int> s = Indexes(e.simplified), t = Indexes(e.traditional);
    for (std::size_t k = 0; k < s.size(); ++k)
      writtenAs[static_cast<std::size_t>(s[k])][t[k]] += weight;
    if (s.size() < 2 || s.size() > kLongestWordLookedUp || !AllTraditional(model, t)) continue;
    // Of two traditional forms of one word, the more frequent one: both weigh the same here,
    // so the first listed wins, as CC-CEDICT lists the usual one first.
    auto [it, fresh] = wordWeight.emplace(s, weight);
    if (fresh) words_[s] = t;
  }
  for (std::size_t i = 0; i < model.chars.size(); ++i) {
    const CharData& c = model.chars[i];
    if (!(c.classes & kSimplified)) continue;
    double best = -1;
    for (const auto& [t, w] : writtenAs[i])
      if ((model.chars[static_cast<std::size_t>(t)].classes & kTraditional) && w > best) {
        best = w;
        usual_[i] = t;
      }
    // Without word evidence the character itself where traditional text has it, else its
    // first traditional form.
    if (best <= 0 && (c.classes & kTraditional)) usual_[i] = static_cast<int>(i);
    if (usual_[i] < 0)
      for (char32_t t : sources.unihan.chars[i].traditionalForms)
        if (usual_[i] < 0 && IsTableHanzi(t) &&
            (model.chars[static_cast<std::size_t>(HanziIndex(t))].classes & kTraditional))
          usual_[i] = HanziIndex(t);
  }
}

std::vector<int> TraditionalWriting::Of(const std::vector<int>& simplified) const {
  std::vector<int> out;
  for (std::size_t p = 0; p < simplified.size();) {
    std::size_t taken = 0;
    for (std::size_t n = std::min(kLongestWordLookedUp, simplified.size() - p); n >= 2 && !taken;
         --n) {
      const std::vector<int> piece(simplified.begin() + static_cast<std::ptrdiff_t>(p),
                                   simplified.begin() + static_cast<std::ptrdiff_t>(p + n));
      if (auto it = words_.find(piece); it != words_.end()) {
        out.insert(out.end(), it->second.begin(), it->second.end());
        taken = n;
      }
    }
    if (!taken) {
      const int t = usual_[static_cast<std::size_t>(simplified[p])];
      if (t < 0) return {};
      out.push_back(t);
      taken = 1;
    }
    p += taken;
  }
  return out;
}

void AddTraditionalPhrases(const TraditionalWriting& writing, std::vector<PhraseData>* phrases) {
  std::set<std::pair<std::vector<int>, std::vector<int>>> traditional;
  for (const PhraseData& p : *phrases)
    if (p.traditional) traditional.insert({p.chars, p.syllables});
  std::vector<PhraseData> added;
  for (PhraseData& p : *phrases) {
    if (!p.simplified || p.traditional) continue;
    PhraseData twin = p;
    twin.chars = writing.Of(p.chars);
    if (twin.chars.empty()) continue;
    // Characters traditional text writes the same way (他是): one phrase for both classes.
    if (twin.chars == p.chars) {
      p.traditional = true;
      continue;
    }
    if (!traditional.insert({twin.chars, twin.syllables}).second) continue;
    twin.simplified = false;
    twin.traditional = true;
    added.push_back(std::move(twin));
  }
  for (PhraseData& p : added) phrases->push_back(std::move(p));
}

}  // namespace dazi::dictbuild
