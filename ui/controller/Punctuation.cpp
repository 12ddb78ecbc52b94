#include "ui/controller/Punctuation.h"

#include <array>
#include <string_view>

#include "engine/core/Gbk.h"

namespace dazi {
namespace {

struct SymbolEntry {
  char key;
  std::string_view utf8;
};

// The quote entries are listed for completeness; quotes are written through PairedQuote.
constexpr std::array<SymbolEntry, 32> kFullWidth{{
    {'!', "！"}, {'"', "“"},  {'#', "＃"},  {'$', "￥"}, {'%', "％"}, {'&', "—"},  {'\'', "‘"},
    {'(', "（"}, {')', "）"}, {'*', "×"},   {'+', "＋"}, {',', "，"}, {'-', "－"}, {'.', "。"},
    {'/', "、"}, {':', "："}, {';', "；"},  {'<', "《"}, {'=', "＝"}, {'>', "》"}, {'?', "？"},
    {'@', "＠"}, {'[', "【"}, {'\\', "＼"}, {']', "】"}, {'^', "…"},  {'_', "＿"}, {'`', "｀"},
    {'{', "｛"}, {'|', "｜"}, {'}', "｝"},  {'~', "～"},
}};

constexpr std::int32_t kSingleQuoteBit = 1;
constexpr std::int32_t kDoubleQuoteBit = 2;

}  // namespace

bool IsPunctuationKey(char key) {
  const int c = static_cast<unsigned char>(key);
  return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) ||
         (c >= 123 && c <= 126);
}

std::string FullWidthSymbols(char key) {
  for (const SymbolEntry& e : kFullWidth)
    if (e.key == key) return GbkFromUtf8(e.utf8);
  return {};
}

std::string PairedQuote(char key, std::int32_t& quoteState) {
  const bool single = key == '\'';
  const std::int32_t bit = single ? kSingleQuoteBit : kDoubleQuoteBit;
  const bool open = (quoteState & bit) != 0;
  quoteState ^= bit;
  if (single) return GbkFromUtf8(open ? "‘" : "’");
  return GbkFromUtf8(open ? "”" : "“");
}

}  // namespace dazi
