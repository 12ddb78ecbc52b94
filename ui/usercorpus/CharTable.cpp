#include "ui/usercorpus/CharTable.h"

#include "engine/dict/DictLayout.h"
#include "engine/user/FileRead.h"

namespace dazi {
namespace {

std::uint16_t CodeAt(std::string_view bytes, std::size_t pos) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) << 8 |
                                    static_cast<unsigned char>(bytes[pos + 1]));
}

}  // namespace

bool CharTable::Load(const std::string& path) {
  numbers_.clear();
  codes_.clear();
  size_ = 0;
  loaded_ = false;
  const FileContents file = ReadWholeFile(path);
  if (file.status != ReadStatus::Read) return false;
  const std::string& bytes = file.bytes;
  if (bytes.size() < kZcHeaderSize) return false;
  const int count = static_cast<unsigned char>(bytes[kZcCharCountPos]) |
                    static_cast<unsigned char>(bytes[kZcCharCountPos + 1]) << 8;
  if (bytes.size() < ZcWordIndexPos(static_cast<std::size_t>(count))) return false;
  for (int n = 1; n <= count; ++n) {
    codes_.push_back(CodeAt(bytes, ZcCharPos(static_cast<std::size_t>(n))));
    numbers_.try_emplace(codes_.back(), n);
  }
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

std::optional<std::string> CharTable::Character(int number) const {
  if (number < 1 || number > static_cast<int>(codes_.size())) return std::nullopt;
  const std::uint16_t code = codes_[static_cast<std::size_t>(number - 1)];
  return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace dazi
