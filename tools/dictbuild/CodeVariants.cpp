#include "tools/dictbuild/CodeVariants.h"

namespace dazi::dictbuild {

std::string ExtendShortCode(const std::string& code, const std::string& plain) {
  std::string out = code;
  if (!out.empty() && out.size() <= kShortCode) out += plain.substr(0, 2);
  if (out.size() > kCodeDigits) out.resize(kCodeDigits);
  return out;
}

std::vector<std::string> CandidateCodes(const RuleCodes& codes) {
  std::vector<std::string> out;
  if (codes.rule.empty()) return out;
  for (const std::string* code :
       {&codes.rule, &codes.plain, &codes.crossing, &codes.relaxed, &codes.written}) {
    if (code->empty() || out.size() == kMaxCodes) continue;
    const std::string c = ExtendShortCode(*code, codes.plain);
    bool adds = true;
    for (const std::string& earlier : out) adds = adds && !earlier.starts_with(c);
    if (adds) out.push_back(c);
  }
  return out;
}

int SpendVariants(const std::vector<int>& priority, int records,
                  std::vector<std::vector<std::string>>* codes) {
  std::vector<bool> keep(codes->size(), false);
  int spent = 0;
  for (int i : priority) {
    if (spent == records) break;
    if ((*codes)[static_cast<std::size_t>(i)].size() < 2) continue;
    keep[static_cast<std::size_t>(i)] = true;
    ++spent;
  }
  for (std::size_t i = 0; i < codes->size(); ++i)
    if (!keep[i] && (*codes)[i].size() > 1) (*codes)[i].resize(1);
  return spent;
}

}  // namespace dazi::dictbuild
