// Follow-on words after a choice, for both methods: the pool words that continue the chosen
// text, a snapshot of them, and the chain of later choices that runs along the snapshot rows
// and predicts the next character. Plain functions over SrfState.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi {

// Lists the pool words that begin with AssocPrefix (first character first) and are longer,
// dictionary words before user-lexicon and learned words; sets AssociationShown.
void FindFollowOnWords(int32 first);

// Keeps a snapshot of the follow-on words and predicts the characters that continue the
// chain of choices.
void PredictNextChars();

// Whether choosing character c continues the chain: c is the next character of some snapshot
// row that agrees with the chain so far.
bool ChoiceContinuesChain(int32 c);

}  // namespace dazi
