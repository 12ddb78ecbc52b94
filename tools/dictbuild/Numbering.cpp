#include "tools/dictbuild/Numbering.h"

#include <algorithm>

namespace dazi::dictbuild {

std::vector<int> NumberCharacters(Model* model) {
  for (const WordData& w : model->words)
    model->chars[static_cast<std::size_t>(w.chars[0])].startsWord = true;
  std::vector<int> order(model->chars.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const CharData& x = model->chars[static_cast<std::size_t>(a)];
    const CharData& y = model->chars[static_cast<std::size_t>(b)];
    if (x.startsWord != y.startsWord) return x.startsWord;
    return x.frequency > y.frequency;
  });
  for (std::size_t k = 0; k < order.size(); ++k)
    model->chars[static_cast<std::size_t>(order[k])].number = static_cast<int>(k) + 1;
  return order;
}

}  // namespace dazi::dictbuild
