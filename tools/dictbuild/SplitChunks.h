// Two-character chunks that keep the whole-sentence walk from splitting two syllables wrongly.
// The walk takes the longest syllable at each place, so "taneng" would become "tan" + "eng":
// a chunk 他能 spelled "taneng" lets the prefix search see the right split first.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Phrases.h"

namespace dazi::dictbuild {

// One chunk of the default characters (per class where they differ) per syllable pair whose joined
// letters the longest syllable would cut after a vowel or a letter that begins no syllable, or
// whose joined letters begin with a spelling in taken that ends inside the second syllable before a
// vowel (qie+rong under 其二 qier), unless a word is already spelled that way (taken). Lowest
// preference: no frequency, the highest level.
std::vector<PhraseData> SplitChunks(const Model& model, const std::set<std::string>& taken);

}  // namespace dazi::dictbuild
