// The Windows virtual-key codes that the key-release rules of the practice area act on, and
// the key of each printable character on a US keyboard, shared by the window's and the
// console's key translation.
#pragma once

#include <string_view>

namespace dazi::vk {

inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kControl = 17;  // released after a tap of Ctrl alone
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;  // Page Up
inline constexpr int kNext = 34;   // Page Down
inline constexpr int kLeft = 37;
inline constexpr int kNumpad0 = 96;  // numeric-pad digits 96..105
inline constexpr int kNumpad1 = 97;
inline constexpr int kNumpad6 = 102;
inline constexpr int kNumpad7 = 103;
inline constexpr int kNumpad9 = 105;
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kOemMinus = 189;  // the main row's - key

// The virtual-key code of the key that types printable ASCII character c on a US keyboard:
// letters 65-90 (either case), main-row digits 48-57 and their shifted characters, space 32,
// punctuation on its OEM key (186-192, 219-222); 0 for any other character.
constexpr int OfCharacter(char c) {
  constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";  // in the order of 0-9
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= '0' && c <= '9') return c;
  if (c == ' ') return kSpace;
  if (const std::size_t digit = kShiftedDigits.find(c); digit != std::string_view::npos)
    return '0' + static_cast<int>(digit);
  switch (c) {
    case ';':
    case ':':
      return 186;
    case '=':
    case '+':
      return 187;
    case ',':
    case '<':
      return 188;
    case '-':
    case '_':
      return 189;
    case '.':
    case '>':
      return 190;
    case '/':
    case '?':
      return 191;
    case '`':
    case '~':
      return 192;
    case '[':
    case '{':
      return 219;
    case '\\':
    case '|':
      return 220;
    case ']':
    case '}':
      return 221;
    case '\'':
    case '"':
      return 222;
    default:
      return 0;
  }
}

}  // namespace dazi::vk
