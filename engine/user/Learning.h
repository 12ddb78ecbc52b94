// Learning of phrases: the text and character numbers of the candidates chosen since the
// last punctuation are collected; a phrase completed twice in one run is saved to the user
// lexicon and corpus.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Adds one chosen candidate to the phrase being collected. kind is the candidate kind:
// characters and dictionary words count as words, a user-lexicon word empties the phrase. The
// phrase stops growing once its character numbers would pass 33.
void CollectChoice(const std::string& text, const int32* codes, int count, int32 kind);

// Empties the phrase being collected.
void ClearCollectedPhrase();

// Remembers the collected phrase at its first completion and saves it to srf_pub.dat and
// srf_pub.usr at its second. Returns what the user must be told when the save failed (empty
// otherwise); a phrase that could not be saved stays unsaved, so its next completion tries
// again.
std::string LearnPhrase();

// Adds a word (character numbers) to both user files as one change under the data folder's
// lock: both are read afresh (another program may have added words), the word goes into each
// file that lacks it, and if srf_pub.usr cannot be written srf_pub.dat is put back, so the
// two files never disagree. A file that exists but cannot be read is never replaced. Returns
// the message for the user on failure, empty on success.
std::string SaveUserWord(const int32* codes, int count);

// At a punctuation mark: LearnPhrase, then a new phrase begins whatever became of this one, so
// only what was typed between two marks is learned, and an overlong phrase does not block the
// ones after it. Returns what LearnPhrase returns.
std::string LearnPhraseAtMark();

}  // namespace dazi
