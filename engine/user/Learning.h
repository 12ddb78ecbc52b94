// Learning of phrases: the text and character numbers of the candidates chosen since the
// phrase began are collected; a phrase completed twice in one run is saved to the user
// lexicon and corpus, and typed as a user word from then on. A phrase is what stands
// unbroken in the text: any other write ends it (a punctuation mark, letters written as they
// are, English output; the controller decides), except a whole sentence, which enters it.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Adds one chosen candidate to the phrase being collected. kind is the candidate kind:
// characters and dictionary words count as words, a user-lexicon word empties the phrase. The
// phrase that would pass 33 character numbers becomes overlong: it is never learned.
void CollectChoice(const std::string& text, const int32* codes, int count, int32 kind);

// Adds a whole sentence written at once (its text and character numbers, pieces and all) to
// the phrase as one choice. Numbers that do not spell the text end the phrase unlearned.
void CollectSentence(const std::string& text, const int32* codes, int count);

// Empties the phrase being collected.
void ClearCollectedPhrase();

// Remembers the collected phrase at its first completion and saves it to srf_pub.dat and
// srf_pub.usr at its second; the saved word then leaves the learned list and is read into the
// user word tables, so both sentence engines use it at once. A phrase that already is a user
// word is left alone. A full learned list forgets its oldest phrase, a full lexicon stops
// offering its oldest learned words. Returns what the user must be told (a failed save, the
// first time a list is full; empty otherwise); a phrase that could not be saved stays
// remembered, so its next completion tries again.
std::string LearnPhrase();

// Adds a word (character numbers) to both user files as one change under the data folder's
// lock: both are read afresh (another program may have added words), the word goes into each
// file that lacks it, and if srf_pub.usr cannot be written srf_pub.dat is put back, so the
// two files never disagree. A file that exists but cannot be read is never replaced. Returns
// the message for the user on failure, empty on success.
std::string SaveUserWord(const int32* codes, int count);

// At a punctuation mark, or any other write that ends the phrase: LearnPhrase, then a new
// phrase begins whatever became of this one, so only what stands unbroken in the text is
// learned, and an overlong phrase does not block the ones after it. Returns what LearnPhrase
// returns.
std::string LearnPhraseAtMark();

}  // namespace dazi
