// Stroke codes of srf_pub.lm and the two keypad punctuation pages.
#include "engine/keypad/StrokeCodes.h"

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"

namespace dazi {
namespace {

// A stored value below this is the number of a multi-code record, not a code.
constexpr std::uint32_t kMultiCodeLimit = 3000;

}  // namespace

// Kept as UTF-8 in the source and turned into GBK once at start.
const std::string KeypadPunctuation[2] = {
    GbkFromUtf8("，、：．“”（）【】｛｝"),
    GbkFromUtf8("。；？！‘’《》…～－｜"),
};

int KeypadPunctuationIndex(const std::string& input) {
  if (input.empty()) return -1;
  if (input[0] == '/') return 0;
  if (input[0] == '*') return 1;
  return -1;
}

std::string StrokeString(std::uint32_t code) {
  std::string digits(kStrokeCodeDigits, '0');
  for (int i = 0; i < kStrokeCodeDigits; ++i)
    digits[static_cast<std::size_t>(i)] =
        static_cast<char>('0' + ((code >> (3 * (kStrokeCodeDigits - 1 - i))) & 7u));
  return digits;
}

std::uint32_t ReadStrokeCode(int32 n, int r) {
  const int32 chars = SrfState.CharCount;
  if (n < 1 || n > chars || r < 0 || r >= kStrokeCodeVariants) return 0;
  const std::uint32_t stored = Dict.lm.ReadU24(3 * (static_cast<std::size_t>(n) - 1));
  if (stored >= kMultiCodeLimit) return stored;
  const std::size_t record = 3 * static_cast<std::size_t>(chars) + 30 + 15 * std::size_t{stored};
  return Dict.lm.ReadU24(record + 3 * static_cast<std::size_t>(r));
}

}  // namespace dazi
