// MethodClass holds two settings in one number: the input method and the character class.
// 0, 1, 2 are the pinyin method with the simplified, traditional and variant class; 3, 4, 5
// the keypad method with the same classes.
#pragma once

#include <cstdint>

#include "engine/core/Unit_Data.h"

namespace dazi {

enum class InputMethod : int32 { Pinyin = 0, Keypad = 1 };
enum class CharClass : int32 { Simplified = 0, Traditional = 1, Variant = 2 };

inline constexpr int32 kCharClassCount = 3;

constexpr InputMethod MethodOf(int32 methodClass) {
  return methodClass < kCharClassCount ? InputMethod::Pinyin : InputMethod::Keypad;
}

constexpr CharClass ClassOf(int32 methodClass) {
  return static_cast<CharClass>(methodClass % kCharClassCount);
}

constexpr int32 ComposeMethodClass(InputMethod method, CharClass charClass) {
  return static_cast<int32>(method) * kCharClassCount + static_cast<int32>(charClass);
}

// True when a dictionary word with these class flags is offered in the class of methodClass:
// bit 7 marks a simplified word, bit 6 a traditional one, and the variant class has no
// dictionary words. The flags are the first byte of a word record of srf_pub.zc or the flags
// byte of an entry of srf_pub.cpy; the word pool, the keypad word lists and the sentence engine
// all judge their words by this one rule.
constexpr bool WordInActiveClass(std::uint32_t flags, int32 methodClass) {
  switch (ClassOf(methodClass)) {
    case CharClass::Simplified:
      return (flags & 0x80) != 0;
    case CharClass::Traditional:
      return (flags & 0x40) != 0;
    default:
      return false;
  }
}

}  // namespace dazi
