#include "engine/dict/DictTexts.h"

#include <cstddef>

#include "engine/dict/DictFiles.h"

namespace dazi {
namespace {

// The counted text reached through the 3-byte position at indexPos: one count byte, then
// count × unit bytes.
std::string ReadCountedText(std::size_t indexPos, std::size_t unit) {
  const DictStream& zy = Dict.zy;
  const std::size_t pos = zy.ReadU24(indexPos);
  if (pos == 0) return {};
  return zy.ReadBytes(pos + 1, zy.ReadU8(pos) * unit);
}

bool IsTableCharacter(int32 c) {
  return c >= 1 && c <= SrfState.CharCount;
}

std::size_t CharCount() {
  return static_cast<std::size_t>(SrfState.CharCount);
}

}  // namespace

std::string CharDictText(int32 c) {
  if (!IsTableCharacter(c)) return {};
  return ReadCountedText(3 * (static_cast<std::size_t>(c) - 1), 2);
}

std::string CharGloss(int32 c) {
  if (!IsTableCharacter(c)) return {};
  return ReadCountedText(3 * CharCount() + 3 * (static_cast<std::size_t>(c) - 1), 1);
}

std::string WordGloss(int32 g) {
  if (g <= 0) return {};
  const auto indexCount = static_cast<std::size_t>(SrfState.WordIndexCount);
  return ReadCountedText(6 * CharCount() + 3 * indexCount + 3 * (static_cast<std::size_t>(g) - 1),
                         1);
}

}  // namespace dazi
