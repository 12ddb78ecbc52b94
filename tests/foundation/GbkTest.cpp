#include "engine/core/Gbk.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>

namespace dazi {
namespace {

// glibc's own GB18030 codec, the oracle the build-time table is checked against: a result
// only when the whole input converts.
class GlibcCodec {
 public:
  GlibcCodec(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~GlibcCodec() {
    if (Open()) iconv_close(cd_);
  }
  GlibcCodec(const GlibcCodec&) = delete;
  GlibcCodec& operator=(const GlibcCodec&) = delete;
  bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> Convert(std::string_view in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[16];
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft)
      return std::nullopt;
    return std::string(buffer, sizeof buffer - dstLeft);
  }

 private:
  iconv_t cd_;
};

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
  return out;
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char part[4];
  for (unsigned char b : bytes) {
    std::snprintf(part, sizeof part, "%02X ", b);
    out += part;
  }
  return out;
}

// Every pair of bytes decodes as glibc decodes it: the 23940 two-byte codes (ḿ at A8BC, the
// user-defined areas AAA1.., F8A1.., A140.. at U+E000..U+E765), ASCII pairs, and everything
// invalid (lead 80 or FF, trail 7F or FF, a cut-short code, the start of a four-byte one).
TEST(Gbk, EveryTwoByteStringDecodesAsGlibcDoes) {
  GlibcCodec glibc("UTF-8", "GB18030");
  if (!glibc.Open()) GTEST_SKIP() << "no GB18030 codec in this C library";
  int codes = 0;
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
      const std::optional<std::string> expected = glibc.Convert(bytes);
      ASSERT_EQ(TryUtf8FromGbk(bytes), expected) << Hex(bytes);
      if (first >= 0x80 && expected) ++codes;
    }
  }
  EXPECT_EQ(codes, 23940);
}

// Every character encodes as glibc encodes it when that takes one or two bytes; one that
// takes a four-byte GB18030 sequence has no GBK code and is rejected.
TEST(Gbk, EveryCharacterEncodesAsGlibcDoesOrIsRejected) {
  GlibcCodec glibc("GB18030", "UTF-8");
  if (!glibc.Open()) GTEST_SKIP() << "no GB18030 codec in this C library";
  int encoded = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::optional<std::string> expected = glibc.Convert(Utf8Of(c));
    if (expected && expected->size() > 2) expected.reset();
    const std::optional<std::string> got = TryGbkFromUtf8(Utf8Of(c));
    ASSERT_EQ(got, expected) << "U+" << std::hex << static_cast<unsigned>(c);
    if (got) {
      ASSERT_EQ(TryUtf8FromGbk(*got), Utf8Of(c)) << std::hex << static_cast<unsigned>(c);
    }
    encoded += got ? 1 : 0;
  }
  EXPECT_EQ(encoded, 128 + 23940);
}

TEST(Gbk, MalformedUtf8IsRejectedAsGlibcRejectsIt) {
  GlibcCodec glibc("GB18030", "UTF-8");
  if (!glibc.Open()) GTEST_SKIP() << "no GB18030 codec in this C library";
  for (const char* bytes :
       {"\xC0\x80", "\xE0\x80\x80", "\xF0\x80\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xE4\xB8", "\x80", "\xE4\x41\xAD", "\xF5\x80\x80\x80", "\xFE", "\xFF", "\xC2"}) {
    EXPECT_FALSE(glibc.Convert(bytes)) << Hex(bytes);
    EXPECT_FALSE(TryGbkFromUtf8(bytes)) << Hex(bytes);
  }
}

TEST(Gbk, RoundTripsCommonAndSpecialCodes) {
  EXPECT_EQ(GbkFromUtf8("中国"), "\xD6\xD0\xB9\xFA");
  EXPECT_EQ(Utf8FromGbk("\xD6\xD0\xB9\xFA"), "中国");
  // ḿ and the first user-defined code, which the plain GBK codec refuses.
  EXPECT_EQ(TryGbkFromUtf8("ḿ"), std::optional<std::string>("\xA8\xBC"));
  EXPECT_EQ(TryUtf8FromGbk("\xAA\xA1"), std::optional<std::string>("\xEE\x80\x80"));
  EXPECT_EQ(GbkFromUtf8("a，b"),
            "a\xA3\xAC"
            "b");
  EXPECT_EQ(TryUtf8FromGbk(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Gbk, RejectsCharactersOutsideGbk) {
  EXPECT_FALSE(TryGbkFromUtf8("𠀀"));  // U+20000 needs a 4-byte GB18030 sequence
  EXPECT_EQ(GbkFromUtf8("中𠀀国"), "\xD6\xD0?\xB9\xFA");
  EXPECT_FALSE(TryGbkFromUtf8("\xFF"));
  EXPECT_EQ(GbkFromUtf8("中\xE4\xB8"), "\xD6\xD0?");
  // A four-byte GB18030 sequence is not GBK, whole or in part.
  EXPECT_FALSE(TryUtf8FromGbk("\x81\x30\x81\x30"));
}

TEST(Gbk, InvalidGbkBytesAreReplacedNotDropped) {
  EXPECT_FALSE(TryUtf8FromGbk("\xD6"));
  EXPECT_EQ(Utf8FromGbk("\xD6\xD0\xFF"), "中\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromGbk("\xFF"
                        "a"),
            "\xEF\xBF\xBD"
            "a");
  // A lead byte before a byte that is no trail: only the lead is lost.
  EXPECT_EQ(Utf8FromGbk("\xD6 \xD6"), "\xEF\xBF\xBD \xEF\xBF\xBD");
}

}  // namespace
}  // namespace dazi
