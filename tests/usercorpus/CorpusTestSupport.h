// Small helpers of the user corpus tests: GBK text, srf_pub.usr records and a bare
// character table of srf_pub.zc.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/GbkText.h"

namespace dazi::testing {

inline std::string Record(const std::vector<int>& codes) {
  std::string r(1, static_cast<char>(codes.size()));
  for (int c : codes) {
    r += static_cast<char>(c & 0xFF);
    r += static_cast<char>(c >> 8);
  }
  return r;
}

// srf_pub.zc reduced to what the editor reads: the count at position 4 and the characters
// of utf8, in order, from position 10.
inline std::string CharTableFile(const char* utf8) {
  const std::string chars = Gbk(utf8);
  const std::size_t count = chars.size() / 2;
  std::string zc(4, '\0');
  zc += static_cast<char>(count & 0xFF);
  zc += static_cast<char>(count >> 8);
  zc += std::string(4, '\0');
  return zc + chars;
}

// Whether a temporary file of a rewrite of name was left behind in the current folder.
inline bool TemporaryFileLeft(const std::string& name) {
  for (const auto& entry : std::filesystem::directory_iterator("."))
    if (entry.path().filename().string().rfind(name + ".tmp", 0) == 0) return true;
  return false;
}

}  // namespace dazi::testing
