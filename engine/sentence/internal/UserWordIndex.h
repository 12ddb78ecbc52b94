// An index of the user lexicon's spellings for the whole-sentence conversion, which would
// otherwise scan every user word for every trial length at every position. It is built from
// the user word tables of SrfState on first use and kept in SentenceCaches; reloading the
// lexicon (start-up, the word-making command, tests) empties it.
#pragma once

#include <string_view>

#include "engine/core/Unit_Data.h"

namespace dazi::sentence {

// As FindUserWord: the first user word whose main or alternative pinyin is s, or -1.
int32 IndexedUserWord(std::string_view s);

// The first user word of initials.size() characters whose initials are initials, or -1.
int32 IndexedUserWordByInitials(std::string_view initials);

}  // namespace dazi::sentence
