// The words of the sentence model: open-gram's lexicon joined with dazi's own words and
// characters (CC-CEDICT words with jieba's counts, the characters' readings). Words open-gram
// does not know get a unigram probability from jieba's count, scaled to open-gram's.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/ModelTables.h"
#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {

// Bits added to a reading of an open-gram word that only dazi's data gives.
inline constexpr double kDaziReadingCost = 3.0;
// Probability of a word that neither open-gram's model nor jieba has counted.
inline constexpr double kUncountedWordProbability = 1e-8;
// Longest word, in characters.
inline constexpr std::size_t kMaxModelWordChars = 8;

struct ModelVocabulary {
  struct Word {
    std::u32string text;
    long openGramId = -1;    // -1: a word only dazi has
    double probability = 0;  // unigram probability without the text counts
  };
  std::vector<Word> words;  // by model word id
  std::vector<SentenceModelTables::Spelling> spellings;
  std::vector<std::uint32_t> fromOpenGram;  // open-gram id -> model id, or UINT32_MAX
  std::unordered_map<std::u32string, std::uint32_t> idOfText;
  double jiebaScale = 0;  // open-gram probability per jieba count, by the median of shared words
};

// Joins the two lexicons. Open-gram words outside dazi's characters (or outside GBK) are
// left out; so are open-gram's punctuation and sentence marks.
ModelVocabulary JoinVocabulary(const OpenGramModel& lm, const OpenGramLexicon& lexicon,
                               const Model& model, const std::vector<WordData>& words);

}  // namespace dazi::dictbuild
