// Layout rules of the pinyin candidate bar: where a gloss label starts and how a long
// candidate is shortened in English mode.
#pragma once

#include <string>

namespace dazi {

inline constexpr int kGlossLeftShort = 118;  // texts of at most 10 bytes
inline constexpr int kShortTextBytes = 10;
inline constexpr int kInputDisplayBytes = 15;

// Left edge of a gloss label beside a candidate text of textBytes bytes: 118 up to 10 bytes,
// else textBytes × 9.02 rounded half to even, plus 27.
int GlossLeft(int textBytes);

// In English mode a text longer than 10 bytes shows its first 8 bytes and "…".
std::string ShortenForEnglish(const std::string& text);

// The numbering prefix of slot i (0-9): "1: ".."9: ", then "0: ".
std::string SlotPrefix(int slot);

// The input display of Label11: the last 15 bytes at most.
std::string InputDisplay(const std::string& input);

}  // namespace dazi
