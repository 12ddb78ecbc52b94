// An index of the user lexicon's spellings for the whole-sentence conversion, which would
// otherwise scan every user word for every trial length at every position. The lexicon is
// reloaded behind the engine's back (start-up, the word-making command, tests), so the index
// keeps a copy of what it was built from and is rebuilt whenever SrfState differs from it.
#pragma once

#include <string_view>

#include "engine/core/Unit_Data.h"

namespace dazi::sentence {

// Brings the index up to date with the user word tables of SrfState.
void RefreshUserWordIndex();

// As FindUserWord: the first user word whose main or alternative pinyin is s, or -1.
int32 IndexedUserWord(std::string_view s);

// The first user word of initials.size() characters whose initials are initials, or -1.
int32 IndexedUserWordByInitials(std::string_view initials);

}  // namespace dazi::sentence
