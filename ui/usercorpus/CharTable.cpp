#include "ui/usercorpus/CharTable.h"

#include <fstream>
#include <iterator>

namespace dazi {
namespace {

constexpr std::size_t kCountPosition = 4;
constexpr std::size_t kTablePosition = 10;

std::uint16_t CodeAt(std::string_view bytes, std::size_t pos) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) << 8 |
                                    static_cast<unsigned char>(bytes[pos + 1]));
}

}  // namespace

bool CharTable::Load(const std::string& path) {
  numbers_.clear();
  size_ = 0;
  loaded_ = false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < kTablePosition) return false;
  const int count = static_cast<unsigned char>(bytes[kCountPosition]) |
                    static_cast<unsigned char>(bytes[kCountPosition + 1]) << 8;
  if (bytes.size() < kTablePosition + 2 * static_cast<std::size_t>(count)) return false;
  for (int n = 1; n <= count; ++n)
    numbers_.try_emplace(CodeAt(bytes, kTablePosition + 2 * static_cast<std::size_t>(n - 1)), n);
  size_ = count;
  loaded_ = true;
  return true;
}

std::optional<int> CharTable::Find(std::string_view character) const {
  if (character.size() != 2) return std::nullopt;
  const auto found = numbers_.find(CodeAt(character, 0));
  if (found == numbers_.end()) return std::nullopt;
  return found->second;
}

}  // namespace dazi
