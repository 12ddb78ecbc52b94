// MethodClass holds two settings in one number: the input method and the character class.
// 0, 1, 2 are the pinyin method with the simplified, traditional and variant class; 3, 4, 5
// the keypad method with the same classes.
#pragma once

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

}  // namespace dazi
