// Whole-spelling match of the word pool for the correction lookups.
#pragma once

#include <string>

namespace dazi {

// Appends to WordResults the pool words whose whole spelling is piece (by group, then pool
// order).
void MatchWordSpelling(const std::string& piece);

}  // namespace dazi
