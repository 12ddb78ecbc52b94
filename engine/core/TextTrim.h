// Spelling texts are stored padded with blanks; they are compared without the padding.
#pragma once

#include <string>
#include <string_view>

namespace dazi {

// s without leading and trailing blanks and control bytes.
inline std::string TrimBlanks(std::string_view s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 0x20) --end;
  return std::string(s.substr(begin, end - begin));
}

}  // namespace dazi
