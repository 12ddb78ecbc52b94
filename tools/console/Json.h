// The console's reports are nlohmann JSON values with their keys in insertion order, so a
// report reads in the order the fields are documented.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>

namespace dazi::console {

using Json = nlohmann::ordered_json;

// value as one line of compact UTF-8 JSON. Strings must be UTF-8 already (convert GBK text
// first); a byte that is not valid UTF-8 is written as U+FFFD, so the line is always valid
// JSON and writing it never throws.
std::string JsonLine(const Json& value);

}  // namespace dazi::console
