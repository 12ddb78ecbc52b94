// The default character of a syllable, the step by which the whole-sentence conversion
// takes a single syllable.
#pragma once

#include <string_view>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Clears WordSplitActive and appends the default character of the leading syllable of s
// (or of its group's stored first syllable) to SentenceCodes; returns the letters consumed.
int32 AppendSyllableChar(std::string_view s);

}  // namespace dazi
