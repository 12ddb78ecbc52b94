// The readings of each character: those people use today (kMandarin, kXHC1983, kTGHZ2013,
// CC-CEDICT's single-character entries; kHanyuPinyin only when none of these exists),
// ordered by use and cut to five, each with its share of the character's use.
#pragma once

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

inline constexpr std::size_t kMaxReadings = 5;
// The share of a reading that neither kHanyuPinlu nor any frequent word uses.
inline constexpr double kUnheardShare = 0.01;

void AssignReadings(const Sources& sources, Model* model, BuildReport* report);

}  // namespace dazi::dictbuild
