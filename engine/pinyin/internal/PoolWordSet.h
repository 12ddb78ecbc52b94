// The pool words already listed in one filtering pass, by their characters: a word whose
// characters an earlier entry has (a learned phrase that is also a dictionary word, one word
// under two readings) is listed once. Empties in constant time.
#pragma once

#include <array>
#include <cstdint>

#include "engine/core/Unit_Data.h"

namespace dazi::pinyin {

class PoolWordSet {
 public:
  void Clear();
  // Adds pool word w; false when a word with the same characters is already there.
  bool Insert(int32 w);

 private:
  // A power of two above twice the pool's capacity, so probing always ends at a free slot.
  static constexpr std::size_t kSlots = 16384;
  static_assert(kSlots > 2 * static_cast<std::size_t>(kWordPoolCapacity));

  struct Slot {
    std::uint32_t stamp = 0;
    int32 word = 0;
  };
  std::array<Slot, kSlots> slots_{};
  std::uint32_t stamp_ = 1;
  std::size_t used_ = 0;
};

}  // namespace dazi::pinyin
