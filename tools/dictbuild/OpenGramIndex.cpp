#include "tools/dictbuild/OpenGramIndex.h"

#include <algorithm>

#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {

OpenGramIndex::OpenGramIndex(const OpenGramLexicon& lexicon, const OpenGramModel& lm) : lm_(lm) {
  if (lexicon.words.empty() || lm.Count(1) == 0) return;
  words_.resize(lexicon.words.size());
  for (std::size_t id = 0; id < words_.size(); ++id)
    for (char32_t cp : lexicon.words[id]) AppendUtf8(&words_[id].utf8, cp);
  for (const OpenGramLexicon::Spelling& s : lexicon.spellings)
    if (s.word < words_.size()) words_[s.word].readings.push_back({s.syllables, s.polyphoneCost});
  for (std::size_t i = 0; i < lm.Count(1); ++i) {
    const OpenGramModel::Node& n = lm.At(1, i);
    if (n.word < words_.size()) words_[n.word].unigram = n.prob;
  }
  for (std::size_t id = 0; id < words_.size(); ++id) {
    Word& w = words_[id];
    // Readings come in trie order; a fixed order keeps the build deterministic.
    std::sort(w.readings.begin(), w.readings.end(), [](const Reading& a, const Reading& b) {
      return a.cost != b.cost ? a.cost < b.cost : a.syllables < b.syllables;
    });
    if (!w.utf8.empty()) idOf_.emplace(w.utf8, static_cast<std::uint32_t>(id));
  }
}

std::uint32_t OpenGramIndex::Find(const std::string& utf8) const {
  const auto it = idOf_.find(utf8);
  return it == idOf_.end() ? kNoWord : it->second;
}

}  // namespace dazi::dictbuild
