// What a candidate, a result entry or a pool word stands for. The record keeps kinds as int32
// (CandidateKinds, ResultKinds, WordResultKinds, WordPoolKinds, UserWordKinds, LearnKinds), so
// the kinds are named int32 constants that compare and store without casts.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi {

// A single character; also a symbol, private character or punctuation mark (with no character
// number behind it).
inline constexpr int32 kCharacterKind = 0;
inline constexpr int32 kDictionaryWordKind = 1;
// A pool word offered after a choice because it continues the chosen text.
inline constexpr int32 kFollowOnWordKind = 2;
inline constexpr int32 kUserWordKind = 3;
inline constexpr int32 kLearnedWordKind = 4;

// A keypad character can be matched through one of its code variants 1..4; the kinds 5..8 say
// which.
inline constexpr int32 kFirstCodeVariant = 1;
inline constexpr int32 kLastCodeVariant = 4;

// Kind of a keypad character matched through code variant r (1..4).
constexpr int32 CodeVariantKind(int32 r) {
  return kLearnedWordKind + r;
}

// Words of the user lexicon and learned words: they follow the dictionary words in the
// follow-on list and keep their own kind in the word pool.
constexpr bool IsLexiconWordKind(int32 kind) {
  return kind == kUserWordKind || kind == kLearnedWordKind;
}

// True for a candidate kind that stands for one character of the character table: a character
// (or a mark with id 0) and the code-variant kinds. The other kinds carry a word-pool index. A
// choice of such a candidate takes the prefix and chain of a single character, never the pool
// word at the index of its character number.
constexpr bool IsKeypadCharacterKind(int32 kind) {
  return kind == kCharacterKind || kind >= CodeVariantKind(kFirstCodeVariant);
}

}  // namespace dazi
