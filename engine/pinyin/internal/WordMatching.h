// The filtering half of the word step: which pool words the typed letters spell.
#pragma once

#include <string>

namespace dazi::pinyin {

// Rewrites WordResults with the pool words whose readings input (two or more letters)
// spells: complete matches before partial ones; inside each, the words whose readings the
// letters spell in full before those they abbreviate; then by group, in pool order. A word
// whose characters an earlier entry has is left out.
void FilterWordPool(const std::string& input);

// Leaves out of WordResults each word whose characters an earlier entry has (a learned phrase
// that is also a dictionary word is listed once, at its first place).
void ListEachWordOnce();

}  // namespace dazi::pinyin
