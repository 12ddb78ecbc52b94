// Stroke codes of srf_pub.lm (eight stroke digits of 3 bits each, up to five variants per
// character) and the two punctuation pages of the keypad.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// Strokes a single character's code holds; longer inputs can only match words.
inline constexpr int kStrokeCodeDigits = 8;

// Code variants a character can have (variant 0 is its main code).
inline constexpr int kStrokeCodeVariants = 5;

// The twelve full-width marks of the inputs "/" (index 0) and "*" (index 1), two GBK bytes
// each; mark k is the two bytes at 2k.
inline constexpr int kKeypadMarksPerPage = 12;
extern const std::string KeypadPunctuation[2];

// Index into KeypadPunctuation for an input beginning with "/" or "*"; -1 otherwise.
int KeypadPunctuationIndex(const std::string& input);

// The eight stroke digits "0".."7" of a 24-bit stroke code, first stroke first.
std::string StrokeString(std::uint32_t code);

// Code variant r (0..4) of character number n from srf_pub.lm; 0 (no strokes) for a
// character or variant that has none.
std::uint32_t ReadStrokeCode(int32 n, int r);

}  // namespace dazi
