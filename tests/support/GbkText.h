// GBK text in tests: the engines work in GBK bytes, the tests are written in UTF-8.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/core/Gbk.h"

namespace dazi::testing {

// The GBK bytes of utf8; a character without a GBK code throws, so a test that means a
// character the engine cannot hold fails at once instead of typing a '?'.
inline std::string Gbk(std::string_view utf8) {
  std::optional<std::string> gbk = TryGbkFromUtf8(utf8);
  if (!gbk) throw std::invalid_argument("no GBK code for \"" + std::string(utf8) + "\"");
  return *std::move(gbk);
}

// The UTF-8 of GBK bytes (an invalid byte becomes U+FFFD), for comparing and for messages.
inline std::string Utf8(std::string_view gbk) {
  return Utf8FromGbk(gbk);
}

}  // namespace dazi::testing
