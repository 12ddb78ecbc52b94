#include "engine/dict/DictStream.h"

#include <gtest/gtest.h>

#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

TEST(DictStream, ReadsLittleEndianFieldsAndZeroBeyondTheEnd) {
  testing::TempDataFolder folder;
  folder.WriteBytes("f.bin", std::string("\x01\x02\x03\x04\x05", 5));
  DictStream s;
  ASSERT_TRUE(s.Open("f.bin"));
  EXPECT_EQ(s.ReadU8(0), 0x01u);
  EXPECT_EQ(s.ReadU16(1), 0x0302u);
  EXPECT_EQ(s.ReadU24(2), 0x050403u);
  // A field that straddles the end keeps its bytes inside the file and reads zeros after it.
  EXPECT_EQ(s.ReadU24(3), 0x0005u << 8 | 0x04u);
  EXPECT_EQ(s.ReadU16(5), 0u);
  EXPECT_EQ(s.ReadU24(static_cast<std::size_t>(-2)), 0u);  // no wrap-around into the file
  EXPECT_EQ(s.ReadBytes(3, 10), std::string("\x04\x05", 2));
  EXPECT_EQ(s.ReadBytes(99, 4), "");
}

TEST(DictStream, SequentialReadsAdvanceTheCursor) {
  testing::TempDataFolder folder;
  folder.WriteBytes("f.bin", std::string("\x10\x20\x30\x40\x50\x60", 6));
  DictStream s;
  ASSERT_TRUE(s.Open("f.bin"));
  s.Seek(1);
  EXPECT_EQ(s.Next(2), 0x3020u);
  EXPECT_EQ(s.Next(3), 0x605040u);
  EXPECT_EQ(s.Next(1), 0u);
  EXPECT_EQ(s.Tell(), 7u);
}

TEST(DictStream, EmptyAndMissingFiles) {
  testing::TempDataFolder folder;
  folder.WriteBytes("empty.bin", "");
  DictStream s;
  ASSERT_TRUE(s.Open("empty.bin"));
  EXPECT_EQ(s.ReadU24(0), 0u);
  std::string error;
  EXPECT_FALSE(s.Open("missing.bin", &error));
  EXPECT_FALSE(s.IsOpen());
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace dazi
