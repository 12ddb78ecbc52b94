// The characters of one syllable for the correction lookups.
#pragma once

#include <string>

namespace dazi {

// LookupList/LookupCount := the characters of the active class read as syllable: exact
// readings first, then longer ones, each in rank order.
void LookupSyllableChars(const std::string& syllable);

}  // namespace dazi
