#include "tools/dictbuild/StrokeCodes.h"

#include <algorithm>
#include <numeric>

#include "engine/dict/DictLayout.h"
#include "tools/dictbuild/CodeVariants.h"
#include "tools/dictbuild/ShapeRules.h"

namespace dazi::dictbuild {
namespace {

constexpr std::size_t kShortestCode = 2;
// Characters with few strokes to type run out of strokes before longer codes do, so they
// are listed as if they were this much more frequent.
constexpr std::size_t kShortCodeBoosted = 5;
constexpr double kShortCodeBoost = 4;

// HanziIndexes, more frequent first; ties keep the index order.
std::vector<int> ByFrequency(const Model& model) {
  std::vector<int> out(model.chars.size());
  std::iota(out.begin(), out.end(), 0);
  std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
    return model.chars[static_cast<std::size_t>(a)].frequency >
           model.chars[static_cast<std::size_t>(b)].frequency;
  });
  return out;
}

}  // namespace

StrokeCodeTable BuildStrokeCodes(const Sources& sources, const Model& model, BuildReport* report) {
  std::vector<std::string> letters(model.chars.size());
  for (std::size_t i = 0; i < letters.size(); ++i) letters[i] = model.chars[i].strokes;
  ShapeRules rules(letters, sources.shapes, sources.decompositions);
  StrokeCodeTable codes(model.chars.size());
  report->charsWithMedians = sources.charsWithMedians;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const RuleCodes rule = rules.Codes(static_cast<int>(i));
    if (rule.geometry) ++report->charsWithGeometry;
    codes[i] = CandidateCodes(rule);
    if (!codes[i].empty() && codes[i][0].find('6') != std::string::npos)
      ++report->charsWithCrossing;
  }
  report->charsWithVariants = SpendVariants(ByFrequency(model), kMultiCodeRecords, &codes);
  return codes;
}

std::array<std::vector<dictwriter::StrokeListEntry>, 6> BuildStrokeLists(
    const Model& model, const StrokeCodeTable& codes, BuildReport* report) {
  // Every (character, code) of each class in the order of the class's own frequency (瞭, 著,
  // 剋 and 後 are rare in simplified text however often their simplified twins are written),
  // except that codes of a single stroke typed twice (一, 乙) come first: all their strokes
  // are typed at once, and behind every character that starts with the same two strokes they
  // would take pages to reach. A character whose place is the same in several classes is
  // listed once for them.
  struct Entry {
    int index;
    std::size_t variant;
    int cls;
    double weight;
  };
  std::vector<Entry> entries;
  for (int i : ByFrequency(model)) {
    const CharData& c = model.chars[static_cast<std::size_t>(i)];
    for (std::size_t r = 0; r < codes[static_cast<std::size_t>(i)].size(); ++r) {
      const bool shortCode = codes[static_cast<std::size_t>(i)][r].size() <= kShortCodeBoosted;
      for (int k = 0; k < 3; ++k) {
        if (!(c.classes & (1 << k))) continue;
        const double f = c.classFrequency[k];
        entries.push_back({i, r, k, shortCode ? f * kShortCodeBoost : f});
      }
    }
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const Entry& a, const Entry& b) { return a.weight > b.weight; });
  std::stable_partition(entries.begin(), entries.end(), [&](const Entry& e) {
    return codes[static_cast<std::size_t>(e.index)][e.variant].size() <= kShortestCode;
  });
  std::array<std::vector<dictwriter::StrokeListEntry>, 6> lists;
  int perClass[6][3] = {};
  constexpr std::uint8_t kClassBits[3] = {kStrokeSimplified, kStrokeTraditional, kStrokeVariant};
  for (const Entry& e : entries) {
    const CharData& c = model.chars[static_cast<std::size_t>(e.index)];
    const auto d =
        static_cast<std::size_t>(codes[static_cast<std::size_t>(e.index)][e.variant][0] - '1');
    if (perClass[d][e.cls] >= kStrokeListLimit) {
      ++report->strokeListDropped;
      continue;
    }
    ++perClass[d][e.cls];
    auto& list = lists[d];
    // The same character and code right before: one entry for both classes.
    if (!list.empty() && list.back().charNo == c.number && list.back().variant == e.variant) {
      list.back().classBits = static_cast<std::uint8_t>(list.back().classBits | kClassBits[e.cls]);
      continue;
    }
    list.push_back({static_cast<std::uint16_t>(c.number), kClassBits[e.cls],
                    static_cast<std::uint8_t>(e.variant)});
  }
  for (std::size_t d = 0; d < 6; ++d)
    for (int k = 0; k < 3; ++k) report->strokeListSizes[d][k] = perClass[d][k];
  return lists;
}

}  // namespace dazi::dictbuild
