// The codes a character can be typed by: its main code (all rules) and up to four code
// variants for what users also type: plain strokes, 叉 without the shape rules, the four
// parts in full, 竖钩 as 竖. Short codes are extended by their first strokes again.
#pragma once

#include <string>
#include <vector>

#include "engine/dict/DictLayout.h"
#include "tools/dictbuild/ShapeRules.h"

namespace dazi::dictbuild {

// Strokes a stroke code holds.
inline constexpr std::size_t kCodeDigits = static_cast<std::size_t>(kStrokeDigits);
inline constexpr std::size_t kShortCode = 3;  // codes this short are typed again from the start
inline constexpr std::size_t kMaxCodes = kCodeVariants;  // main code and four variants
// Multi-code records are numbered from 1, below the first stored value that is a code.
inline constexpr int kMultiCodeRecords = static_cast<int>(kMultiCodeLimit) - 1;

// A code of kShortCode digits or fewer followed by the first two plain strokes again (the
// user types one or two basic strokes once more when the character has not shown yet), cut
// to kCodeDigits.
std::string ExtendShortCode(const std::string& code, const std::string& plain);

// Main code first, then the variants that can be typed where the main code and the
// variants before them cannot: a variant that is a prefix of an earlier code adds nothing.
std::vector<std::string> CandidateCodes(const RuleCodes& codes);

// codes[i]: the candidate codes of character i. Characters in priority order keep their
// variants while records last; the others, and characters beyond the limit, keep only the
// main code. Returns the number of records spent.
int SpendVariants(const std::vector<int>& priority, int records,
                  std::vector<std::vector<std::string>>* codes);

}  // namespace dazi::dictbuild
