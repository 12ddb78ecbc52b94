#include "tests/controller/JsonCheck.h"

#include <nlohmann/json.hpp>

namespace dazi::testing {

bool IsValidJson(std::string_view text) {
  // accept() is strict: one value, RFC 8259 syntax and well-formed UTF-8, without throwing.
  return nlohmann::json::accept(text);
}

}  // namespace dazi::testing
