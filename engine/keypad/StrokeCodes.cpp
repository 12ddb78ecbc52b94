// Stroke codes of srf_pub.lm and the two keypad punctuation pages.
#include "engine/keypad/StrokeCodes.h"

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"

namespace dazi {

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
  std::string digits(kStrokeDigits, '0');
  for (int i = 0; i < kStrokeDigits; ++i)
    digits[static_cast<std::size_t>(i)] = static_cast<char>(
        '0' + ((code >> (kStrokeDigitBits * (kStrokeDigits - 1 - i))) & kStrokeDigitMask));
  return digits;
}

std::uint32_t ReadStrokeCode(int32 n, int r) {
  const int32 chars = SrfState.CharCount;
  if (n < 1 || n > chars || r < 0 || r >= kStrokeCodeVariants) return 0;
  return ReadLmCode(Dict.lm, static_cast<std::size_t>(chars), static_cast<std::size_t>(n),
                    static_cast<std::size_t>(r));
}

}  // namespace dazi
