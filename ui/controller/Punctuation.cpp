#include "ui/controller/Punctuation.h"

#include <array>

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

// The four quotation marks in GBK: single left and right, double left and right.
namespace {
struct QuoteMarks {
  std::string singleLeft = GbkFromUtf8("‘"), singleRight = GbkFromUtf8("’");
  std::string doubleLeft = GbkFromUtf8("“"), doubleRight = GbkFromUtf8("”");
};
const QuoteMarks& Quotes() {
  static const QuoteMarks marks;
  return marks;
}
}  // namespace

char QuoteKeyOf(std::string_view mark) {
  const QuoteMarks& q = Quotes();
  if (mark == q.singleLeft || mark == q.singleRight) return '\'';
  if (mark == q.doubleLeft || mark == q.doubleRight) return '"';
  return 0;
}

void AimQuote(std::string_view mark, std::int32_t& quoteState) {
  const char key = QuoteKeyOf(mark);
  if (key == 0) return;
  // The bit is set exactly when the key's next mark is the second of its pair (‘ or ”).
  const std::int32_t bit = key == '\'' ? kSingleQuoteBit : kDoubleQuoteBit;
  if (mark == Quotes().singleLeft || mark == Quotes().doubleRight)
    quoteState |= bit;
  else
    quoteState &= ~bit;
}

std::string FullWidthFor(char key, std::string_view expected) {
  if (key != '\'' && key != '"') return FullWidthSymbols(key);
  if (QuoteKeyOf(expected) == key) return std::string(expected);
  std::int32_t state = 0;
  return PairedQuote(key, state);
}

}  // namespace dazi
