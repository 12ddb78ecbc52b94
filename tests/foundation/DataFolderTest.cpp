#include "engine/user/DataFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DataFolder, DataOptionWinsOverTheUsersFolder) {
  EXPECT_EQ(ChooseDataFolder({"--data", "/tmp/x"}), "/tmp/x");
  EXPECT_EQ(ChooseDataFolder({"-v", "--data=/srv/d"}), "/srv/d");
  EXPECT_EQ(ChooseDataFolder({}), DefaultDataFolder());
  EXPECT_EQ(ChooseDataFolder({"--data"}), DefaultDataFolder());  // no folder follows
}

// The user's words must not live in the build tree, which a rebuild may delete.
TEST(DataFolder, TheDefaultFollowsXdgDataHomeOutsideTheBuild) {
  {
    const ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(DefaultDataFolder(), "/srv/data/dazi");
  }
  const ScopedEnv home("HOME", "/home/someone");
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/path"}) {
    const ScopedEnv xdg("XDG_DATA_HOME", unusable);
    EXPECT_EQ(DefaultDataFolder(), "/home/someone/.local/share/dazi");
  }
}

// The read-only files come from $DAZI_DICTIONARY_DIR when it is set, else from the build's
// folder of programs when the dictionaries lie there, else from share/dazi beside bin/ (an
// installed program): never from an empty variable.
TEST(DataFolder, SuppliedFilesComeFromTheVariableTheBuildOrTheInstalledFolder) {
  {
    const ScopedEnv dir("DAZI_DICTIONARY_DIR", "/opt/dazi-data");
    EXPECT_EQ(SuppliedFolder(), "/opt/dazi-data");
  }
  const ScopedEnv empty("DAZI_DICTIONARY_DIR", "");
  const fs::path bin = ExecutableFolder();
  if (fs::exists(bin / "srf_pub.zc"))
    EXPECT_EQ(SuppliedFolder(), bin.string());
  else
    EXPECT_EQ(SuppliedFolder(), (bin.parent_path() / "share" / "dazi").string());
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

// The folder is made with its parents; each dictionary beside the executable is linked in,
// a link to an older build is pointed at the new one, and the user files are not touched.
TEST(DataFolder, ProvidingLinksTheDictionariesAndFollowsANewBuild) {
  testing::TempDataFolder folder;
  const std::vector<std::string> names = {"srf_pub.zc", "srf_pub.py",  "srf_pub.pys",
                                          "srf_pub.lm", "srf_pub.cpy", "srf_pub.ngm"};
  const auto Names = [&names] { return names; };
  for (const char* build : {"old", "new"}) {
    fs::create_directory(build);
    for (const std::string& name : names) folder.WriteBytes(std::string(build) + "/" + name, build);
  }
  const std::string data = folder.File("share/dazi");
  std::string error;
  ASSERT_TRUE(ProvideDataFolder(data, folder.File("old"), Names(), &error)) << error;
  folder.WriteBytes("share/dazi/srf_pub.usr", "words");
  ASSERT_TRUE(ProvideDataFolder(data, folder.File("new"), Names(), &error)) << error;
  ASSERT_TRUE(ProvideDataFolder(data, folder.File("new"), Names(), &error))
      << error;  // nothing to do
  for (const std::string& name : names) {
    EXPECT_TRUE(fs::is_symlink(data + "/" + name)) << name;
    EXPECT_EQ(folder.ReadBytes("share/dazi/" + name), "new") << name;
  }
  EXPECT_EQ(folder.ReadBytes("share/dazi/srf_pub.usr"), "words");

  fs::remove_all("new");  // the build tree deleted: the user's files stay
  EXPECT_EQ(folder.ReadBytes("share/dazi/srf_pub.usr"), "words");
}

// Where links cannot be made the dictionaries are copies; a copy older than the build's
// file is copied again.
TEST(DataFolder, ACopyIsRefreshedWhenTheBuildIsNewer) {
  testing::TempDataFolder folder;
  fs::create_directories("build");
  fs::create_directories("data");
  folder.WriteBytes("build/srf_pub.zc", "new");
  folder.WriteBytes("data/srf_pub.zc", "old");
  fs::last_write_time("data/srf_pub.zc",
                      fs::last_write_time("build/srf_pub.zc") - std::chrono::hours(1));
  std::string error;
  ASSERT_TRUE(ProvideDataFolder(folder.File("data"), folder.File("build"), {"srf_pub.zc"}, &error))
      << error;
  EXPECT_FALSE(fs::is_symlink("data/srf_pub.zc"));
  EXPECT_EQ(folder.ReadBytes("data/srf_pub.zc"), "new");
}

}  // namespace
}  // namespace dazi
