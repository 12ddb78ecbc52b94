// A strict JSON syntax check for the console's report lines (tests only).
#pragma once

#include <string_view>

namespace dazi::testing {

// True when text is exactly one JSON value with nothing but whitespace around it.
bool IsValidJson(std::string_view text);

}  // namespace dazi::testing
