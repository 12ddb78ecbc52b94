// The first step of every pinyin keystroke: the characters that the typed letters spell.
#pragma once

#include <string>

namespace dazi {

// Orders the single characters matching input (lower-case letters, 1..99 of them) into
// LookupList, or lists the symbol or private-character page, and runs the word step.
void LookupPinyin(const std::string& input);

}  // namespace dazi
