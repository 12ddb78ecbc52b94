// Words typed by strokes: the first character by its first two strokes, each middle character
// by its first stroke, the last character by its strokes until the word appears.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Two strokes: gathers the dictionary words of chars[0..count-1] into the pool and the
// results. Three or more: filters the pool by the words' stroke keys into the results.
void MatchStrokeWords(const std::string& input, const int32* chars, int count);

}  // namespace dazi
