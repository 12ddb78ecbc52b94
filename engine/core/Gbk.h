// GBK <-> UTF-8 at the edges of the program (widgets, console, tests). The engines work in
// GBK bytes throughout. Conversion goes by a code table generated at build time from the
// published GB18030 mapping (glibc's charmap, cmake/GenerateGbkTable.cmake), the same on
// every platform: GBK is GB18030's two-byte part, so it knows the user-defined area
// (AAA1.. is U+E000..) and ḿ (A8BC); a character that would need a four-byte GB18030
// sequence has no GBK code and is rejected.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dazi {

// Exact conversion; nullopt when some character has no GBK code or the UTF-8 is malformed.
std::optional<std::string> TryGbkFromUtf8(std::string_view utf8);
// Lenient conversion: characters without a GBK code become '?'.
std::string GbkFromUtf8(std::string_view utf8);

// Exact conversion; nullopt when the bytes are not valid GBK.
std::optional<std::string> TryUtf8FromGbk(std::string_view gbk);
// Lenient conversion: an invalid byte becomes U+FFFD and the rest is kept.
std::string Utf8FromGbk(std::string_view gbk);

}  // namespace dazi
