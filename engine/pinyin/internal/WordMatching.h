// The filtering half of the word step: which pool words the typed letters spell.
#pragma once

#include <string>

namespace dazi::pinyin {

// Rewrites WordResults with the pool words whose readings input (two or more letters)
// spells, complete matches before partial ones, each part by group, in pool order.
void FilterWordPool(const std::string& input);

}  // namespace dazi::pinyin
