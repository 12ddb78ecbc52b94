// Stroke codes of srf_pub.lm: every character's main code and code variants (digit
// strings, first stroke first), and the first-stroke lists in frequency order, each holding
// at most kStrokeListLimit entries of one class.
#pragma once

#include <array>

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictwriter/DictWriter.h"

namespace dazi::dictbuild {

inline constexpr int kStrokeListLimit = 5001;

// codes[HanziIndex]: main code first, then the variants; empty for a character without
// strokes.
using StrokeCodeTable = std::vector<std::vector<std::string>>;

StrokeCodeTable BuildStrokeCodes(const Sources& sources, const Model& model, BuildReport* report);

std::array<std::vector<dictwriter::StrokeListEntry>, 6> BuildStrokeLists(
    const Model& model, const StrokeCodeTable& codes, BuildReport* report);

}  // namespace dazi::dictbuild
