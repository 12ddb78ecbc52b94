// The default character of each syllable for the simplified and the traditional class (the
// engine's SyllableDefaultChars): the most frequent character of the class whose main
// reading is the syllable, else the most frequent one that has the syllable as any reading.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/dictbuild/Model.h"

namespace dazi::dictbuild {

// Per syllable: character numbers {simplified, traditional}, 0 when none exists.
std::vector<std::array<int, 2>> ChooseDefaults(const Model& model);

// The C++ initializer rows written to SyllableDefaults.inc.
std::string DefaultsSource(const std::vector<std::array<int, 2>>& defaults,
                           const std::vector<int>& order, const Model& model);

}  // namespace dazi::dictbuild
