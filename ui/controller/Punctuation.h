// Punctuation keys in the Chinese punctuation style: the full-width symbol of each ASCII
// punctuation key, and the alternating quotation marks of the two quote keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dazi {

// One of the 32 printable ASCII punctuation characters (codes 33-47, 58-64, 91-96, 123-126).
bool IsPunctuationKey(char key);

// The GBK full-width symbol written for key; empty for a key that is not punctuation.
std::string FullWidthSymbols(char key);

// The GBK quotation mark for a quote key (' or "), flipping its bit in quoteState: bit 0
// for the single quote (’ first, then ‘), bit 1 for the double quote (“ first, then ”).
std::string PairedQuote(char key, std::int32_t& quoteState);

// The quote key (' or ") that writes mark (GBK: one of the four quotation marks), 0 for any
// other text.
char QuoteKeyOf(std::string_view mark);

// Sets quoteState so that the next PairedQuote of the mark's key writes mark; other text leaves
// it as it is. Deleting a quotation mark takes its toggle back this way, and a lesson aims the
// quote key at the mark its text expects.
void AimQuote(std::string_view mark, std::int32_t& quoteState);

// The full-width mark (GBK) an ASCII punctuation key stands for where the text expects
// expected: the quotation mark of its kind for a quote key, FullWidthSymbols otherwise.
std::string FullWidthFor(char key, std::string_view expected);

}  // namespace dazi
