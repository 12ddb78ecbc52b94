#include "StrokeCodes.h"

#include <algorithm>

namespace dazi::dictbuild {

std::string MainCodeDigits(const CharData& c) {
  std::string digits;
  for (char letter : c.strokes) {
    if (digits.size() == 8) break;
    switch (letter) {
      case 'h':
        digits.push_back('1');
        break;
      case 's':
        digits.push_back('2');
        break;
      case 'p':
        digits.push_back('3');
        break;
      case 'n':
        digits.push_back('4');
        break;
      case 'z':
        digits.push_back('5');
        break;
      default:
        break;
    }
  }
  return digits;
}

std::array<std::vector<dictwriter::StrokeListEntry>, 6> BuildStrokeLists(
    const Model& model, const std::vector<int>& order, BuildReport* report) {
  std::vector<int> byFrequency = order;
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](int a, int b) {
    return model.chars[static_cast<std::size_t>(a)].frequency >
           model.chars[static_cast<std::size_t>(b)].frequency;
  });
  std::array<std::vector<dictwriter::StrokeListEntry>, 6> lists;
  for (std::size_t d = 0; d < lists.size(); ++d) {
    int perClass[3] = {};
    for (int i : byFrequency) {
      const CharData& c = model.chars[static_cast<std::size_t>(i)];
      std::string digits = MainCodeDigits(c);
      if (digits.empty() || digits[0] != static_cast<char>('1' + d)) continue;
      std::uint8_t bits = 0;
      for (int k = 0; k < 3; ++k) {
        if (!(c.classes & (1 << k))) continue;
        if (perClass[k] < kStrokeListLimit) {
          ++perClass[k];
          bits = static_cast<std::uint8_t>(bits | (1 << k));
        } else {
          ++report->strokeListDropped;
        }
      }
      if (bits) lists[d].push_back({static_cast<std::uint16_t>(c.number), bits, 0});
    }
  }
  return lists;
}

}  // namespace dazi::dictbuild
