#include "tools/dictbuild/EverydayUse.h"

#include <algorithm>
#include <functional>

#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {
namespace {

bool NamesRadicalOrElement(const std::string& senses) {
  return senses.find("radical") != std::string::npos || senses.find("chemi") != std::string::npos;
}

}  // namespace

void MarkEverydayUse(const Sources& sources, Model* model) {
  const std::size_t n = model->chars.size();
  // 0: no single-character entry, 1: only radicals and elements, 2: something else too.
  std::vector<int> senses(n, 0);
  for (const CedictEntry& e : sources.cedict) {
    if (e.simplified.size() != 1) continue;
    for (char32_t cp : {e.simplified[0], e.traditional[0]}) {
      int& kind = senses[static_cast<std::size_t>(HanziIndex(cp))];
      kind = std::max(kind, NamesRadicalOrElement(e.senses) ? 1 : 2);
    }
  }
  std::vector<double> frequencies;
  for (const CharData& c : model->chars) frequencies.push_back(c.frequency);
  std::sort(frequencies.begin(), frequencies.end(), std::greater<>());
  const double everyday =
      frequencies.size() >= kEverydayCharacters ? frequencies[kEverydayCharacters - 1] : 0;
  for (std::size_t i = 0; i < n; ++i) {
    CharData& c = model->chars[i];
    c.everydayUse = senses[i] != 1 || c.frequency >= everyday;
  }
}

}  // namespace dazi::dictbuild
