#include "engine/user/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

TEST(DataFolder, DataOptionWinsOverTheExecutableFolder) {
  EXPECT_EQ(ChooseDataFolder({"--data", "/tmp/x"}), "/tmp/x");
  EXPECT_EQ(ChooseDataFolder({"-v", "--data=/srv/d"}), "/srv/d");
  EXPECT_EQ(ChooseDataFolder({}), ExecutableFolder());
  EXPECT_EQ(ChooseDataFolder({"--data"}), ExecutableFolder());  // no folder follows
}

TEST(DataFolder, EnteringMakesItTheCurrentDirectory) {
  testing::TempDataFolder folder;
  std::filesystem::create_directory("inner");
  std::string error;
  ASSERT_TRUE(EnterDataFolder(folder.File("inner"), &error)) << error;
  EXPECT_EQ(std::filesystem::current_path(), folder.Path() / "inner");
  EXPECT_FALSE(EnterDataFolder(folder.File("nowhere"), &error));
  EXPECT_NE(error.find("nowhere"), std::string::npos);
}

}  // namespace
}  // namespace dazi
