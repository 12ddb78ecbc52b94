// The few UTF-8 operations the source readers need.
#pragma once

#include <string>
#include <string_view>

namespace dazi::dictbuild {

// Decodes the code point at *pos and advances *pos; 0xFFFD for a malformed sequence.
char32_t DecodeUtf8(std::string_view text, std::size_t* pos);
void AppendUtf8(std::string* out, char32_t cp);

// The code point of a one-character string, or 0 when s is not exactly one character.
char32_t SingleCodePoint(std::string_view s);

}  // namespace dazi::dictbuild
