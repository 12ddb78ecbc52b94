#include "engine/dict/DictTexts.h"

#include <cstddef>

#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"

namespace dazi {
namespace {

bool IsTableCharacter(int32 c) {
  return c >= 1 && c <= SrfState.CharCount;
}

std::size_t CharCount() {
  return static_cast<std::size_t>(SrfState.CharCount);
}

}  // namespace

std::string CharDictText(int32 c) {
  if (!IsTableCharacter(c)) return {};
  return ReadZyText(Dict.zy, ZyDictTextPointerPos(static_cast<std::size_t>(c)), kDictTextUnit);
}

std::string CharGloss(int32 c) {
  if (!IsTableCharacter(c)) return {};
  return ReadZyText(Dict.zy, ZyCharGlossPointerPos(CharCount(), static_cast<std::size_t>(c)),
                    kGlossUnit);
}

std::string WordGloss(int32 g) {
  if (g <= 0) return {};
  const auto indexCount = static_cast<std::size_t>(SrfState.WordIndexCount);
  return ReadZyText(Dict.zy,
                    ZyWordGlossPointerPos(CharCount(), indexCount, static_cast<std::size_t>(g)),
                    kGlossUnit);
}

}  // namespace dazi
