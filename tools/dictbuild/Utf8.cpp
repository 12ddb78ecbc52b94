#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {

char32_t DecodeUtf8(std::string_view text, std::size_t* pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(*pos);
  int extra = lead < 0x80         ? 0
              : (lead >> 5) == 6  ? 1
              : (lead >> 4) == 14 ? 2
              : (lead >> 3) == 30 ? 3
                                  : -1;
  if (extra < 0 || *pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++*pos;
    return 0xFFFD;
  }
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const unsigned char next = byte(*pos + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++*pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  *pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

void AppendUtf8(std::string* out, char32_t cp) {
  auto put = [&](unsigned value) { out->push_back(static_cast<char>(value)); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xF0 | (cp >> 18));
    put(0x80 | ((cp >> 12) & 0x3F));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
}

char32_t SingleCodePoint(std::string_view s) {
  if (s.empty()) return 0;
  std::size_t pos = 0;
  char32_t cp = DecodeUtf8(s, &pos);
  return pos == s.size() ? cp : 0;
}

}  // namespace dazi::dictbuild
