// The pinyin candidate engine: character lookup, the word pool and its filtering, the merged
// result list, the candidate page and the follow-on words offered after a choice. Plain
// functions over SrfState; every call runs to completion on the user-interface thread.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// The symbol pages opened by the inputs u, i and v (index 0, 1, 2): GBK strings of two-byte
// symbols, 81, 127 and 104 of them; symbol k is the two bytes at 2k.
extern const std::string SymbolPages[3];

// Index into SymbolPages for a first letter u, i or v; -1 otherwise.
int SymbolPageIndex(char firstLetter);

// Orders the single characters matching input (lower-case letters, 1..99 of them) into
// LookupList, or lists the symbol or private-character page, and runs the word step.
void LookupPinyin(const std::string& input);

// Appends the user-lexicon words, then (second function) the learned words, that begin
// with one of chars[0..count-1] to the word pool and to WordResults.
void AddUserWordsToPool(const int32* chars, int count);
void AddLearnedWordsToPool(const int32* chars, int count);

// One letter: adds the dictionary words starting with starts[0..count-1] to the pool.
// Two or more letters: filters the pool by the typed readings into WordResults.
void GatherWords(const std::string& input, const int32* starts, int count);

// Joins LookupList and WordResults into ResultIds/ResultKinds.
void MergeResults();

// Fills the candidate slots of page PageIndex from the result list, then tops the page up
// with follow-on words.
void BuildCandidatePage();

// Lists the pool words that begin with AssocPrefix (first character first) and are longer.
void FindFollowOnWords(int32 first);

// Keeps a snapshot of the follow-on words and predicts the characters that continue the
// chain of choices.
void PredictNextChars();

}  // namespace dazi
