#include "ui/usercorpus/CharTable.h"

#include <fstream>
#include <iterator>

#include "engine/dict/DictLayout.h"

namespace dazi {
namespace {

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
  if (bytes.size() < kZcHeaderSize) return false;
  const int count = static_cast<unsigned char>(bytes[kZcCharCountPos]) |
                    static_cast<unsigned char>(bytes[kZcCharCountPos + 1]) << 8;
  if (bytes.size() < ZcWordIndexPos(static_cast<std::size_t>(count))) return false;
  for (int n = 1; n <= count; ++n)
    numbers_.try_emplace(CodeAt(bytes, ZcCharPos(static_cast<std::size_t>(n))), n);
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
