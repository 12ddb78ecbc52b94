// Stroke codes of srf_pub.lm: the plain main code of every character (its first eight
// strokes, h s p n z as 1-5) and the first-stroke lists in frequency order, each holding at
// most kStrokeListLimit entries of one class.
#pragma once

#include <array>

#include "BuildReport.h"
#include "DictWriter.h"
#include "Model.h"

namespace dazi::dictbuild {

inline constexpr int kStrokeListLimit = 5001;

// The stroke digits of a character's main code ("2512" for 中), at most eight.
std::string MainCodeDigits(const CharData& c);

// order: HanziIndex by character number.
std::array<std::vector<dictwriter::StrokeListEntry>, 6> BuildStrokeLists(
    const Model& model, const std::vector<int>& order, BuildReport* report);

}  // namespace dazi::dictbuild
