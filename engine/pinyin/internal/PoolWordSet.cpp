#include "engine/pinyin/internal/PoolWordSet.h"

#include <algorithm>

namespace dazi::pinyin {
namespace {

int32 WordLength(int32 w) {
  return std::clamp(SrfState.WordPoolLengths[w], 0, kWordCodeCapacity);
}

std::uint64_t HashWord(int32 w) {
  std::uint64_t h = 1469598103934665603ULL;  // FNV-1a over the character numbers
  const int32 length = WordLength(w);
  for (int32 j = 0; j < length; ++j) {
    h ^= static_cast<std::uint32_t>(SrfState.WordPoolCodes[w][j]);
    h *= 1099511628211ULL;
  }
  return h;
}

bool SameCharacters(int32 a, int32 b) {
  const int32 length = WordLength(a);
  if (length != WordLength(b)) return false;
  return std::equal(SrfState.WordPoolCodes[a], SrfState.WordPoolCodes[a] + length,
                    SrfState.WordPoolCodes[b]);
}

}  // namespace

void PoolWordSet::Clear() {
  used_ = 0;
  if (++stamp_ == 0) {  // the stamp wrapped: forget every old mark once
    slots_.fill({});
    stamp_ = 1;
  }
}

bool PoolWordSet::Insert(int32 w) {
  if (w < 0 || w >= kWordPoolCapacity) return false;
  if (used_ >= kSlots / 2) return true;  // beyond the pool's capacity: list without the check
  std::size_t i = static_cast<std::size_t>(HashWord(w)) & (kSlots - 1);
  for (; slots_[i].stamp == stamp_; i = (i + 1) & (kSlots - 1))
    if (SameCharacters(slots_[i].word, w)) return false;
  slots_[i] = {stamp_, w};
  ++used_;
  return true;
}

}  // namespace dazi::pinyin
