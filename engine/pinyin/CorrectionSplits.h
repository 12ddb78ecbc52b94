// The correction lookups' splits of the typed letters into the piece whose candidates are
// shown (InputText) and the rest still to convert (RemainingInput), and the word pool they
// draw word candidates from.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Rebuilds the word pool for one letter and leaves the lookup and word results empty.
void PrepareWordPool(const std::string& letter);

// InputText := the first n letters of text, RemainingInput := the rest (at most 100), and
// the pool words spelled exactly as InputText become word candidates. Sets WordSplitActive.
void SplitAtWord(const std::string& text, int32 n);

// InputText := the longest leading syllable of text (or its first letter), RemainingInput
// := the rest (at most 100); its characters become the candidates. Returns the letters
// taken and clears WordSplitActive.
int32 SplitFirstSyllable(const std::string& text);

// Moves the last letter of text to the front of RemainingInput and looks up the rest.
void ShortenSyllable(const std::string& text);

}  // namespace dazi
