#include "engine/core/Gbk.h"

#include <gtest/gtest.h>

namespace dazi {
namespace {

TEST(Gbk, RoundTripsCommonAndSpecialCodes) {
  EXPECT_EQ(GbkFromUtf8("中国"), "\xD6\xD0\xB9\xFA");
  EXPECT_EQ(Utf8FromGbk("\xD6\xD0\xB9\xFA"), "中国");
  // ḿ and the first user-defined code, which the plain GBK codec refuses.
  EXPECT_EQ(TryGbkFromUtf8("ḿ"), std::optional<std::string>("\xA8\xBC"));
  EXPECT_EQ(TryUtf8FromGbk("\xAA\xA1"), std::optional<std::string>("\xEE\x80\x80"));
  EXPECT_EQ(GbkFromUtf8("a，b"),
            "a\xA3\xAC"
            "b");
}

TEST(Gbk, RejectsCharactersOutsideGbk) {
  EXPECT_FALSE(TryGbkFromUtf8("𠀀"));  // U+20000 needs a 4-byte GB18030 sequence
  EXPECT_EQ(GbkFromUtf8("中𠀀国"), "\xD6\xD0?\xB9\xFA");
  EXPECT_FALSE(TryGbkFromUtf8("\xFF"));
}

TEST(Gbk, InvalidGbkBytesAreReplacedNotDropped) {
  EXPECT_FALSE(TryUtf8FromGbk("\xD6"));
  EXPECT_EQ(Utf8FromGbk("\xD6\xD0\xFF"), "中\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromGbk("\xFF"
                        "a"),
            "\xEF\xBF\xBD"
            "a");
}

}  // namespace
}  // namespace dazi
