// What manpages-zh's running text adds to the phrase data: how often each word is really
// written (jieba's counts lean to news text) and which pairs of single characters are written
// together often enough to be typed as one chunk.
#pragma once

#include "tools/dictbuild/AdjacentWords.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Phrases.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

// A dictionary word's count in the text weighs this many times its share of jieba's count:
// technical text settles technical homophones (备份 before 悲愤) ...
inline constexpr double kTextWordWeight = 2.0;
// ... but adds at most this many times the word's general frequency, so that it never
// overturns the order of everyday words (他们 before 它们, which manual pages prefer).
inline constexpr double kTextBoostLimit = 3.0;
// Single characters written side by side this often in the text become a chunk.
inline constexpr long kMinChunkCount = 10;

// The text cut into the candidates' words (up to four characters) and jieba's characters.
AdjacentCounts CountTextWords(const Sources& sources, const Model& model,
                              const std::vector<PhraseData>& candidates);

// Adds each dictionary word's (glossed candidate's) count in the text, scaled to jieba's total
// and weighted, to its frequency, at most kTextBoostLimit times that frequency. Phrases of the
// frequency lists (它是) keep their general frequency.
void AddTextFrequencies(const Sources& sources, const AdjacentCounts& counts,
                        std::vector<PhraseData>* candidates);

// Pairs of single-character words seen side by side at least kMinChunkCount times that are
// no candidate's characters, spelled with each character's main reading, their count scaled
// to jieba's total as their frequency.
std::vector<PhraseData> AdjacentChunks(const Sources& sources, const Model& model,
                                       const AdjacentCounts& counts,
                                       const std::vector<PhraseData>& candidates);

}  // namespace dazi::dictbuild
