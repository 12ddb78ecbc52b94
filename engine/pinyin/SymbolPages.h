// The symbol pages of the pinyin method: an input beginning with u, i or v lists full-width
// symbols instead of characters (va: the private characters).
#pragma once

#include <string>

namespace dazi {

// The symbol pages opened by the inputs u, i and v (index 0, 1, 2): GBK strings of two-byte
// symbols, 81, 127 and 104 of them; symbol k is the two bytes at 2k.
extern const std::string SymbolPages[3];

// Index into SymbolPages for a first letter u, i or v; -1 otherwise.
int SymbolPageIndex(char firstLetter);

}  // namespace dazi
