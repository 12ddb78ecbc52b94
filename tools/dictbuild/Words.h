// Dictionary words: CC-CEDICT's forms of 2 to 15 table hanzi whose syllables are readings of
// their characters, merged per (form, toneless pinyin) with the senses of all their entries;
// then the words of open-gram's lexicon and jieba's frequent words that CC-CEDICT lacks (一天,
// 两个, 不敢), in the simplified class. With frequency, group, reading pattern, and trimmed so
// that every one-letter word pool leaves room for the user.
#pragma once

#include <map>
#include <vector>

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

inline constexpr std::size_t kMinWordChars = 2;
inline constexpr std::size_t kMaxWordChars = 15;
// The pinyin engine's word pool holds 8001 words; 1000 places stay free for user-lexicon and
// learned words.
inline constexpr int kPoolWordLimit = 8001 - 1000;

// jieba words that neither CC-CEDICT nor open-gram has join when at least this frequent.
inline constexpr long kJiebaWordMinCount = 200;

void CollectWords(const Sources& sources, const WordFrequencies& frequencies, Model* model,
                  BuildReport* report);

// Syllables of a word no dictionary gives a reading for: the longest known words inside it
// (known: characters -> syllables) give theirs, a character left alone its main reading.
bool GuessSyllables(const Model& model, const std::map<std::vector<int>, std::vector<int>>& known,
                    const std::vector<int>& chars, std::vector<int>* syllables);

// Frequency band 0 (most frequent) .. 15 from the word's rank among all words by frequency.
int GroupOfRank(long rank);

// Picks the 16 most used reading patterns and gives each word its pattern; words no pattern
// can express are removed.
void ChoosePatterns(Model* model, BuildReport* report);

// Clears the class flag of the least frequent words of every (initial, class) pool that
// holds more than kPoolWordLimit words; words left without a class are removed.
void TrimToPools(Model* model, BuildReport* report);

// Orders the words of each first character by preference (frequency, then source order).
void OrderWords(Model* model);

}  // namespace dazi::dictbuild
