// Follow-on words after a keypad choice: the words that begin with the chosen character.
#pragma once

#include "engine/core/Unit_Data.h"

namespace dazi {

// Lists the words that begin with character n (dictionary words first, then user-lexicon
// and learned words) as follow-on candidates in a new word pool.
void FindKeypadFollowOnWords(int32 n);

}  // namespace dazi
