#include "ui/controller/CandidateLayout.h"

#include "ui/controller/Captions.h"

namespace dazi {
namespace {

constexpr int kGlossGap = 27;
constexpr int kEnglishKeptBytes = 8;

}  // namespace

int GlossLeft(int textBytes) {
  if (textBytes <= kShortTextBytes) return kGlossLeftShort;
  // 9.02 pixels per byte, in hundredths so that ties are exact.
  const long hundredths = static_cast<long>(textBytes) * 902;
  long pixels = hundredths / 100;
  const long rest = hundredths % 100;
  if (rest > 50 || (rest == 50 && pixels % 2 == 1)) ++pixels;
  return static_cast<int>(pixels) + kGlossGap;
}

std::string ShortenForEnglish(const std::string& text) {
  if (static_cast<int>(text.size()) <= kShortTextBytes) return text;
  return text.substr(0, kEnglishKeptBytes) + captions::Ellipsis();
}

std::string SlotPrefix(int slot) {
  const char digit = slot == 9 ? '0' : static_cast<char>('1' + slot);
  return std::string(1, digit) + ": ";
}

std::string InputDisplay(const std::string& input) {
  const std::size_t keep = kInputDisplayBytes;
  if (input.size() <= keep) return input;
  return input.substr(input.size() - keep);
}

}  // namespace dazi
