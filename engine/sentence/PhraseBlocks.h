// The word file's blocks (srf_pub.cpy) as lists in SrfState, and the look-ups in them and in
// the user lexicon.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Loads the phrase block of the first four letters of s into the phrase list, keeping the
// entries of the active class. -1 for fewer than 4 letters; 0 when there is no such block
// (the list is left as it was); else the number of records in the block.
int32 LoadPhraseBlock(const std::string& s);
// The same for the initials block of the first two letters of s (-1 for fewer than 2).
int32 LoadAbbrevBlock(const std::string& s);
// Index of the first loaded phrase whose pinyin is s, or -1.
int32 FindPhrase(const std::string& s);
// Index of the first loaded initials entry whose initials are s, or -1.
int32 FindAbbrev(const std::string& s);
// Index of the first user word whose main or alternative pinyin is s, or -1.
int32 FindUserWord(const std::string& s);

}  // namespace dazi
