#include "engine/core/Gbk.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace dazi {
namespace {

struct GbkCode {
  char32_t character;
  std::uint16_t code;
};

#include "engine/core/GbkTable.inc"

// What the readers below return for a sequence that is no character.
constexpr char32_t kInvalid = 0xFFFFFFFF;

// Length of the UTF-8 sequence that starts with lead byte b (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char b) {
  if (b >= 0xF0) return 4;
  if (b >= 0xE0) return 3;
  if (b >= 0xC0) return 2;
  return 1;
}

// Reads one character from the front of utf8 and drops it; kInvalid for a malformed sequence
// (overlong, a surrogate, beyond U+10FFFF, cut short), of which nothing is dropped.
char32_t TakeUtf8(std::string_view* utf8) {
  const auto lead = static_cast<unsigned char>(utf8->front());
  if (lead < 0x80) {
    utf8->remove_prefix(1);
    return lead;
  }
  const std::size_t length = Utf8SequenceLength(lead);
  if (length == 1 || lead > 0xF4 || length > utf8->size()) return kInvalid;
  char32_t c = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>((*utf8)[i]);
    if ((next & 0xC0) != 0x80) return kInvalid;
    c = (c << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kInvalid;
  utf8->remove_prefix(length);
  return c;
}

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out += static_cast<char>(0xE0 | (c >> 12));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (c >> 18));
    *out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Appends c's GBK bytes; false when c has none.
bool AppendGbk(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
    return true;
  }
  const auto* found = std::lower_bound(
      std::begin(kCharToGbk), std::end(kCharToGbk), c,
      [](const GbkCode& entry, char32_t wanted) { return entry.character < wanted; });
  if (found == std::end(kCharToGbk) || found->character != c) return false;
  *out += static_cast<char>(found->code >> 8);
  *out += static_cast<char>(found->code & 0xFF);
  return true;
}

// Reads one GBK character from the front of gbk and drops it; kInvalid for an invalid or
// cut short code, of which nothing is dropped.
char32_t TakeGbk(std::string_view* gbk) {
  const auto lead = static_cast<unsigned char>(gbk->front());
  if (lead < 0x80) {
    gbk->remove_prefix(1);
    return lead;
  }
  if (lead < 0x81 || lead > 0xFE || gbk->size() < 2) return kInvalid;
  const auto trail = static_cast<unsigned char>((*gbk)[1]);
  if (trail < 0x40 || trail > 0xFE) return kInvalid;
  const char32_t c = kGbkToChar[(lead - 0x81) * 191 + (trail - 0x40)];
  if (c == 0) return kInvalid;  // no two-byte code is NUL: 0 marks a gap in the table
  gbk->remove_prefix(2);
  return c;
}

}  // namespace

std::optional<std::string> TryGbkFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const char32_t c = TakeUtf8(&utf8);
    if (c == kInvalid || !AppendGbk(c, &out)) return std::nullopt;
  }
  return out;
}

std::string GbkFromUtf8(std::string_view utf8) {
  std::string result;
  // Character by character, so that one unmappable character costs only itself.
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + len > utf8.size()) len = utf8.size() - i;
    std::optional<std::string> one = TryGbkFromUtf8(utf8.substr(i, len));
    result += one ? *one : std::string("?");
    i += len;
  }
  return result;
}

std::optional<std::string> TryUtf8FromGbk(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  while (!gbk.empty()) {
    const char32_t c = TakeGbk(&gbk);
    if (c == kInvalid) return std::nullopt;
    AppendUtf8(c, &out);
  }
  return out;
}

std::string Utf8FromGbk(std::string_view gbk) {
  std::string result;
  result.reserve(gbk.size() * 3 / 2);
  while (!gbk.empty()) {
    const char32_t c = TakeGbk(&gbk);
    if (c == kInvalid) {
      result += "\xEF\xBF\xBD";  // U+FFFD for the byte that could not be read
      gbk.remove_prefix(1);
    } else {
      AppendUtf8(c, &result);
    }
  }
  return result;
}

}  // namespace dazi
