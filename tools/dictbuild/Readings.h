// The readings of each character: those people use today (kMandarin, kXHC1983, kTGHZ2013,
// CC-CEDICT's single-character entries; kHanyuPinyin only when none of these exists),
// ordered by use and cut to five.
#pragma once

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

inline constexpr std::size_t kMaxReadings = 5;

void AssignReadings(const Sources& sources, Model* model, BuildReport* report);

}  // namespace dazi::dictbuild
