// Filling one candidate slot of the keypad page. Each fill writes every field of the slot, so
// nothing of an earlier page shows through. False, leaving the slot unused, when the id does
// not name a character or pool word.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// A single character c with its gloss and dictionary text, of the given kind (kCharacterKind,
// or CodeVariantKind(r) when it was matched through code variant r).
bool FillKeypadCharacterSlot(int slot, int32 c, int32 kind);

// A dictionary, user-lexicon or learned word of the pool, with its gloss when it has a gloss
// number.
bool FillKeypadWordSlot(int slot, int32 w, int32 kind);

// A follow-on word of the pool: it writes only the characters after the chosen ones.
bool FillKeypadFollowOnSlot(int slot, int32 w);

// A punctuation mark: a character kind with id and first code 0 and no character numbers, so a
// choice collects nothing and finds no follow-on words.
void FillKeypadMarkSlot(int slot, const std::string& mark);

}  // namespace dazi
