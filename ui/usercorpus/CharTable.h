// The character table of srf_pub.zc read whole, for turning GBK text into character numbers
// without the main window's open dictionary handle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dazi {

class CharTable {
 public:
  // Reads the character count of the header and that many two-byte codes of the table.
  // False when the file cannot be read or holds fewer codes than its count says.
  bool Load(const std::string& path);

  bool Loaded() const { return loaded_; }
  int Size() const { return size_; }
  // The 1-based number of the two-byte GBK character; the first position where a character
  // occurs more than once. nullopt when the table does not hold it.
  std::optional<int> Find(std::string_view character) const;
  // The two GBK bytes of character number n; nullopt outside the table.
  std::optional<std::string> Character(int number) const;

 private:
  std::unordered_map<std::uint16_t, int> numbers_;
  std::vector<std::uint16_t> codes_;  // codes_[n - 1]: the code of character number n
  int size_ = 0;
  bool loaded_ = false;
};

}  // namespace dazi
