// Character numbers: the characters that start a dictionary word come first, so that the
// word-list index (WordIndexCount) covers them; within each part more frequent first.
#pragma once

#include "tools/dictbuild/Model.h"

namespace dazi::dictbuild {

// Sets startsWord and number of every character; returns the characters in number order
// (entry k is the HanziIndex of character number k + 1).
std::vector<int> NumberCharacters(Model* model);

}  // namespace dazi::dictbuild
