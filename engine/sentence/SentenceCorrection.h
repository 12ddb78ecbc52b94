// The Left-key correction of a default sentence, piece by piece from its left end, with the
// correction lookups of the pinyin engine.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Length (4 or more) of the longest prefix of s that is the pinyin of a loaded phrase of
// s's block; 0 when there is none, or when s is a single syllable of 4 or 5 letters.
int32 LongestPhrasePrefix(const std::string& s);
// Cuts the first word, or else the first syllable, off InputText (the rest goes to
// RemainingInput) and builds its candidate page.
void StartSentenceCorrection(const std::string& s);

}  // namespace dazi
