// A strict JSON check for the console's report lines (tests only): syntax and UTF-8.
#pragma once

#include <string_view>

namespace dazi::testing {

// True when text is exactly one JSON value with nothing but whitespace around it.
bool IsValidJson(std::string_view text);

}  // namespace dazi::testing
