// Filling one slot of the candidate page, the same for the pinyin and the keypad page. Every
// fill writes each field the choice handling reads, so nothing of an earlier page shows
// through; the page builders clear the glosses and dictionary texts of all slots first.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Single character c of the given kind (kCharacterKind, or CodeVariantKind(r) for a keypad
// character matched through code variant r) with its gloss and dictionary text. A number outside
// the character table gets an empty text.
void FillCharacterSlot(int slot, int32 c, int32 kind);

// Pool word w of the given kind (a dictionary, user-lexicon or learned word) with its gloss
// when it has a gloss number. A word longer than a slot holds keeps its first 33 characters.
// False, leaving the slot as it was, when w is not a pool index.
bool FillWordSlot(int slot, int32 w, int32 kind);

// Follow-on word w (kFollowOnWordKind): shown whole, but it commits and collects only the
// characters after the chosen AssocPrefixLength ones, at most 60 bytes of them. False as for
// FillWordSlot.
bool FillFollowOnSlot(int slot, int32 w);

// A symbol, private character or punctuation mark: the character kind with id and first code
// 0 and no character numbers, so a choice collects nothing and finds no follow-on words.
void FillSymbolSlot(int slot, const std::string& text);

}  // namespace dazi
