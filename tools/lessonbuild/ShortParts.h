// Which of the four short components (疒 口 日 扌, "病从口入，日日洗手") a character's code
// really types shortened, for the short-component drill: a character holds the component
// among its parts, and its code with every rule differs from its code with the components
// typed in full. 手 才 承 拿 hold no 扌 typed short, so they are not among them.
#pragma once

#include <string>

#include "tools/dictbuild/Decomposition.h"
#include "tools/dictbuild/ShapeRules.h"

namespace dazi::lessonbuild {

// The short components used, in the order 疒 口 日 扌, as UTF-8; empty when none.
std::string ShortPartsUsed(const std::string& utf8, const dictbuild::RuleCodes& codes,
                           const dictbuild::DecompositionMap& decompositions);

}  // namespace dazi::lessonbuild
