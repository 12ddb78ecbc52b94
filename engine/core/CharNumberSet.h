// A set of character numbers that empties in constant time, for the duplicate checks made
// inside one engine call. Character numbers are 2-byte fields in every dictionary file, so
// 0..65535 covers all of them; anything else is never a member.
#pragma once

#include <array>
#include <cstdint>

namespace dazi {

class CharNumberSet {
 public:
  static constexpr std::int32_t kLimit = 65536;

  void Clear() {
    if (++stamp_ == 0) {  // the stamp wrapped: forget every old mark once
      marks_.fill(0);
      stamp_ = 1;
    }
  }
  bool Contains(std::int32_t c) const {
    return c >= 0 && c < kLimit && marks_[static_cast<std::size_t>(c)] == stamp_;
  }
  // Adds c; false when c was already there or cannot be a character number.
  bool Insert(std::int32_t c) {
    if (c < 0 || c >= kLimit || marks_[static_cast<std::size_t>(c)] == stamp_) return false;
    marks_[static_cast<std::size_t>(c)] = stamp_;
    return true;
  }

 private:
  std::array<std::uint32_t, kLimit> marks_{};
  std::uint32_t stamp_ = 1;
};

}  // namespace dazi
