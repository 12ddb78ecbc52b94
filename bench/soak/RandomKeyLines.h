// Random typing as a user might do it, in the console's key notation: real words chosen by
// digit or space and ended by punctuation (so phrases repeat and are learned), random
// letters, paging, Left corrections, deleting, and now and then a class or method switch.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace dazi::bench {

class RandomKeyLines {
 public:
  explicit RandomKeyLines(std::uint32_t seed) : rng_(seed) {}
  // The next line: keys (console tokens), or a :command.
  std::string Next();

 private:
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
  std::mt19937 rng_;
};

}  // namespace dazi::bench
