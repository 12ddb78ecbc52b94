#include "engine/core/Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace dazi {
namespace {

// One iconv descriptor per direction, opened on first use and kept for the process.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input; on an invalid or unconvertible sequence returns false and
  // reports in *consumed how much of the input was converted into *out.
  bool Convert(std::string_view in, std::string* out, std::size_t* consumed) {
    out->clear();
    *consumed = 0;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[512];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out->append(buffer, sizeof buffer - dstLeft);
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        *consumed = in.size() - srcLeft;
        return false;
      }
    }
    *consumed = in.size();
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToGb18030() {
  static Converter c("GB18030", "UTF-8");
  return c;
}
Converter& FromGb18030() {
  static Converter c("UTF-8", "GB18030");
  return c;
}

// Length of the UTF-8 sequence that starts with lead byte b (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char b) {
  if (b >= 0xF0) return 4;
  if (b >= 0xE0) return 3;
  if (b >= 0xC0) return 2;
  return 1;
}

// True when the GB18030 text holds a 4-byte sequence, i.e. a character outside GBK.
bool HasFourByteSequence(std::string_view gb) {
  for (std::size_t i = 0; i < gb.size();) {
    auto lead = static_cast<unsigned char>(gb[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (i + 1 < gb.size()) {
      auto second = static_cast<unsigned char>(gb[i + 1]);
      if (second >= 0x30 && second <= 0x39) return true;
    }
    i += 2;
  }
  return false;
}

}  // namespace

std::optional<std::string> TryGbkFromUtf8(std::string_view utf8) {
  std::string out;
  std::size_t consumed = 0;
  if (!ToGb18030().Convert(utf8, &out, &consumed)) return std::nullopt;
  if (HasFourByteSequence(out)) return std::nullopt;
  return out;
}

std::string GbkFromUtf8(std::string_view utf8) {
  std::string result;
  // Convert character by character so that one unmappable character costs only itself.
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + len > utf8.size()) len = utf8.size() - i;
    std::optional<std::string> one = TryGbkFromUtf8(utf8.substr(i, len));
    result += one ? *one : std::string("?");
    i += len;
  }
  return result;
}

std::optional<std::string> TryUtf8FromGbk(std::string_view gbk) {
  if (HasFourByteSequence(gbk)) return std::nullopt;
  std::string out;
  std::size_t consumed = 0;
  if (!FromGb18030().Convert(gbk, &out, &consumed)) return std::nullopt;
  return out;
}

std::string Utf8FromGbk(std::string_view gbk) {
  std::string result;
  while (!gbk.empty()) {
    std::string part;
    std::size_t consumed = 0;
    if (FromGb18030().Convert(gbk, &part, &consumed)) {
      result += part;
      break;
    }
    result += part;
    result += "\xEF\xBF\xBD";  // U+FFFD for the byte that could not be read
    gbk.remove_prefix(consumed + 1 <= gbk.size() ? consumed + 1 : gbk.size());
  }
  return result;
}

}  // namespace dazi
