// dazi --type KEYS --screenshot FILE: the window types the keys, waits for its web panel and
// saves its picture; a data folder it cannot use ends it with a message and status 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/user/DataFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {
namespace {

// Width and height from a PNG's header chunk, or {0, 0} when the bytes are no PNG.
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
  if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
      png.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  auto number = [&png](std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = value << 8 | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  return {number(16), number(20)};
}

const std::string kDazi = ExecutableFolder() + "/dazi";

// The picture's relative path is taken from where dazi starts, not from its data folder.
TEST(ScreenshotProgram, TypesTheKeysAndSavesThePictureOfTheWindow) {
  TempDataFolder folder;  // the current directory
  const std::filesystem::path data = folder.Path() / "data";
  std::filesystem::create_directory(data);
  if (std::string why = LinkRealDictionaries(data); !why.empty()) GTEST_SKIP() << why;
  const Outcome outcome = RunProgram(
      kDazi, {"--data", data.string(), "--type", "nihao zhongguo", "--screenshot", "shot.png"},
      folder);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(PngSize(ReadFile(folder.File("shot.png"))), (std::pair<unsigned, unsigned>{800, 561}));
  EXPECT_TRUE(std::filesystem::exists(data / "srf_pykx.set"));  // the window's data folder
}

TEST(ScreenshotProgram, AFolderWithoutDictionariesEndsWithAMessage) {
  TempDataFolder folder;
  const std::string shot = folder.File("shot.png");
  const Outcome outcome =
      RunProgram(kDazi, {"--data", folder.Path().string(), "--screenshot", shot}, folder);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("srf_pub.zc"), std::string::npos) << outcome.err;
  EXPECT_FALSE(std::filesystem::exists(shot));
}

}  // namespace
}  // namespace dazi::testing
