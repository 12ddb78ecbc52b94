// Punctuation keys in the Chinese punctuation style: the full-width symbol of each ASCII
// punctuation key, and the alternating quotation marks of the two quote keys.
#pragma once

#include <cstdint>
#include <string>

namespace dazi {

// One of the 32 printable ASCII punctuation characters (codes 33-47, 58-64, 91-96, 123-126).
bool IsPunctuationKey(char key);

// The GBK full-width symbol written for key; empty for a key that is not punctuation.
std::string FullWidthSymbols(char key);

// The GBK quotation mark for a quote key (' or "), flipping its bit in quoteState: bit 0
// for the single quote (’ first, then ‘), bit 1 for the double quote (“ first, then ”).
std::string PairedQuote(char key, std::int32_t& quoteState);

}  // namespace dazi
