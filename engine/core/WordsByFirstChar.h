// The words of a user-lexicon or learned-word table chained by their first character, so that
// the words of one character come out in stored order without a pass over the whole table.
// Both methods add lexicon words to the word pool this way. The tables change behind the
// engines' backs (start-up, word-making, learning), so the chains are rebuilt for each call.
#pragma once

#include "engine/core/CharNumberSet.h"
#include "engine/core/Unit_Data.h"

namespace dazi {

class WordsByFirstChar {
 public:
  static_assert(kLearnCodeCapacity == kUserWordCodeCapacity);
  static constexpr int kMaxWords =
      kUserWordCapacity > kLearnCapacity ? kUserWordCapacity : kLearnCapacity;

  // Chains words 0..count-1 (at most kMaxWords) of a table; words without characters and
  // words whose first entry is no character number are left out.
  void Build(const int32 (*codes)[kUserWordCodeCapacity], const int32* lengths, int count);

  // The first word that begins with c, or -1.
  int First(int32 c) const { return present_.Contains(c) ? head_[c] : -1; }
  // The word after w with the same first character, or -1.
  int Next(int w) const { return next_[w]; }

 private:
  CharNumberSet present_;
  int head_[CharNumberSet::kLimit];
  int next_[kMaxWords];
};

}  // namespace dazi
