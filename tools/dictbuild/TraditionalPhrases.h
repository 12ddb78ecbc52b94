// The traditional class's share of the phrases that only the frequency lists and the running
// text know (open-gram's and jieba's words, chunks: 他是, 吃过, 这件). They come in their
// simplified form; the traditional class gets them too, marked as they are when all their
// characters belong to it, else written in traditional form.
#pragma once

#include <map>
#include <vector>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Phrases.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

// How traditional text writes simplified characters: the traditional form of a run of
// characters, by the CC-CEDICT words inside it (后来 → 後來, 皇后 → 皇后) and, for the other
// characters, by the form the words write most often (这 → 這).
class TraditionalWriting {
 public:
  TraditionalWriting(const Sources& sources, const Model& model, const WordFrequencies& words);
  // HanziIndex of each character's traditional form; empty when some character has none.
  std::vector<int> Of(const std::vector<int>& simplified) const;

 private:
  const Model& model_;
  std::map<std::vector<int>, std::vector<int>> words_;  // simplified -> traditional form
  std::vector<int> usual_;                              // per character, -1: none
};

// Marks every simplified-only phrase that traditional text writes the same way as
// traditional too, and appends the traditional form of the others (same syllables and
// frequency).
void AddTraditionalPhrases(const TraditionalWriting& writing, std::vector<PhraseData>* phrases);

}  // namespace dazi::dictbuild
