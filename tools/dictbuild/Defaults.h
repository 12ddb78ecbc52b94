// The default character of each syllable for the simplified and the traditional class (the
// engine's SyllableDefaultChars): of the characters of the class whose main reading is the
// syllable (else of those that have it as any reading), the one most often written as a word
// of its own, then the most frequent.
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
