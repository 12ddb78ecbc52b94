#include "ui/lessons/Utf8Chars.h"

#include <cstdio>

namespace dazi::lessons {
namespace {

// The length of the well-formed sequence at text[at], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = SequenceLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::vector<std::string_view> SplitUtf8(std::string_view text) {
  std::vector<std::string_view> chars;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    const std::size_t taken = length == 0 ? 1 : length;
    chars.push_back(text.substr(at, taken));
    at += taken;
  }
  return chars;
}

std::string NameCharacters(std::string_view text) {
  std::string named;
  for (const std::string_view ch : SplitUtf8(text)) {
    const auto lead = static_cast<unsigned char>(ch[0]);
    char32_t code = ch.size() == 1 ? lead : lead & (0xFF >> (ch.size() + 1));
    for (std::size_t i = 1; i < ch.size(); ++i)
      code = (code << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    char point[16];
    std::snprintf(point, sizeof point, " (U+%04X)", static_cast<unsigned>(code));
    if (!named.empty()) named += "、";
    named.append(ch).append(point);
  }
  return named;
}

}  // namespace dazi::lessons
