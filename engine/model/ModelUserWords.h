// The user's own words (srf_pub.usr: words made in the corpus editor and learned phrases) as
// the statistical sentence engine looks them up: by their pinyin, main or alternative, and by
// their initials. The index is rebuilt when the engine generation has moved (the user word
// tables were replaced).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dazi::model {

class ModelUserWords {
 public:
  // Brings the index up to date with SrfState's user word tables; true when it was rebuilt.
  bool Refresh();

  // User word indexes (into SrfState's tables) spelled s, or initialled s.
  const std::vector<int>& SpelledAs(std::string_view s) const;
  const std::vector<int>& InitialledAs(std::string_view s) const;
  // Whether some user word has a spelling (or initials) of this many letters.
  bool HasSpellingOfLength(std::size_t letters) const;
  bool HasInitialsOfLength(std::size_t letters) const;

 private:
  std::uint64_t builtFor_ = 0;
  bool built_ = false;
  std::unordered_map<std::string, std::vector<int>> bySpelling_, byInitials_;
  std::vector<bool> spellingLengths_, initialsLengths_;
};

}  // namespace dazi::model
