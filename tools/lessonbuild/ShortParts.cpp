#include "tools/lessonbuild/ShortParts.h"

#include <algorithm>
#include <array>

namespace dazi::lessonbuild {
namespace {

constexpr int kDeepest = 8;  // the decompositions nest far less deeply than this
constexpr std::array<const char*, 4> kShortParts{"疒", "口", "日", "扌"};

// Whether part lies among key's parts. The other short components are not looked into (日 is
// written 口 一, but a 日 is typed as 日), nor 手, the full form of 扌, which the help's rule
// does not shorten.
bool Holds(const std::string& key, const std::string& part,
           const dictbuild::DecompositionMap& decompositions, int depth) {
  const auto it = decompositions.find(key);
  if (it == decompositions.end() || depth == kDeepest) return false;
  for (const std::string& p : it->second.parts) {
    if (p == part) return true;
    const bool opaque =
        p == "手" || std::find(kShortParts.begin(), kShortParts.end(), p) != kShortParts.end();
    if (!opaque && Holds(p, part, decompositions, depth + 1)) return true;
  }
  return false;
}

}  // namespace

std::string ShortPartsUsed(const std::string& utf8, const dictbuild::RuleCodes& codes,
                           const dictbuild::DecompositionMap& decompositions) {
  if (codes.rule.empty() || codes.rule == codes.relaxed || utf8 == "手" ||
      std::find(kShortParts.begin(), kShortParts.end(), utf8) != kShortParts.end())
    return {};
  std::string used;
  for (const char* part : kShortParts)
    if (Holds(utf8, part, decompositions, 0)) used += part;
  return used;
}

}  // namespace dazi::lessonbuild
