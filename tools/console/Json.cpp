#include "tools/console/Json.h"

#include <nlohmann/json.hpp>

namespace dazi::console {

std::string JsonLine(const Json& value) {
  // The default (strict) handler throws on a malformed byte; a report line must come out
  // whatever bytes an error message or a damaged dictionary brings along.
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace dazi::console
