#include "engine/core/WordsByFirstChar.h"

namespace dazi {

void WordsByFirstChar::Build(const int32 (*codes)[kUserWordCodeCapacity], const int32* lengths,
                             int count) {
  present_.Clear();
  if (count > kMaxWords) count = kMaxWords;
  // Last word first, so that each chain ends up in stored order.
  for (int w = count - 1; w >= 0; --w) {
    next_[w] = -1;
    if (lengths[w] < 1) continue;
    const int32 c = codes[w][0];
    if (present_.Insert(c)) {
      head_[c] = w;
    } else if (present_.Contains(c)) {
      next_[w] = head_[c];
      head_[c] = w;
    }
  }
}

}  // namespace dazi
