// Splitting UTF-8 text into characters, for comparing what was typed with a target.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dazi::lessons {

// Whether bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The characters of text, each a view of its bytes; a malformed byte is a character alone.
std::vector<std::string_view> SplitUtf8(std::string_view text);

// Each character of well-formed text with its code point, for a font that cannot draw it:
// "𠀀" -> "𠀀 (U+20000)", characters separated by "、".
std::string NameCharacters(std::string_view text);

}  // namespace dazi::lessons
