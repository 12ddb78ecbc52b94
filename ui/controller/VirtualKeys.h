// The Windows virtual-key codes that the key-release rules of the practice area act on.
#pragma once

namespace dazi::vk {

inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
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

}  // namespace dazi::vk
