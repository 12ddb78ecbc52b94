// Checks a set of the six dictionary files against the engine's capacities and the data
// rules the engines rely on (ranks, orderings, uniqueness, positions inside the files).
// Never trusts the files: truncated or corrupted data yields messages, not faults.
#pragma once

#include <string>
#include <vector>

namespace dazi::dictbuild {

// Problems found, one line each (capped); empty when the files pass.
std::vector<std::string> CheckDictionaries(const std::string& dir);

// Checks a SyllableDefaults.inc text (or the compiled table when path is empty) against
// the dictionaries: every default is a character of its class that has the syllable as a
// reading.
std::vector<std::string> CheckDefaultsFile(const std::string& dir, const std::string& path);

}  // namespace dazi::dictbuild
