// Words typed by strokes: the first character by its first two strokes, each middle character
// by its first stroke, the last character by its strokes until the word appears.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Two strokes: gathers the dictionary words of chars[0..count-1] into the pool and the
// results. Three or more: filters the pool by the words' stroke keys into the results.
// The typist's own words (kinds 3 and 4) lead the results, ahead of every character, once the
// strokes have gone two strokes into the last character (张强 by 5151): they name one word
// where the characters with those strokes are rare. Filtering leaves them out of the groups.
void MatchStrokeWords(const std::string& input, const int32* chars, int count);

// Appends the typist's own words that lead the results for input.
void AppendLeadingOwnWords(const std::string& input);

// How many own words would lead the results for input, appending nothing.
int CountLeadingOwnWords(const std::string& input);

}  // namespace dazi
