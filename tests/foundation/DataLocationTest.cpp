// A host that sets the data location reads the dictionaries from their folder and keeps every
// user file in the user folder, whatever its current directory is.
#include "engine/core/DataLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "engine/user/Settings.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

namespace fs = std::filesystem;
using dictwriter::kAttrSimplified;

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(DataLocation, DictionariesComeFromTheirFolderAndUserFilesGoToTheUserFolderOnly) {
  testing::TempDataFolder folder;
  const fs::path install = folder.Path() / "install", user = folder.Path() / "user",
                 elsewhere = folder.Path() / "elsewhere";
  for (const fs::path& f : {install, user, elsewhere}) fs::create_directory(f);
  testing::FixtureDictionary d;
  for (const char* ch : {"中", "国"}) d.AddReading(d.AddChar(ch), "zhongs", kAttrSimplified | 1);
  ASSERT_EQ(d.Write(install.string()), "");
  const std::set<std::string> installed = Names(install);
  fs::current_path(elsewhere);

  SetDataLocation({install.string() + "/", user.string()});
  const LoadResult loaded = LoadDictionaries();
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(loaded.warning, "");
  const int32 word[] = {1, 2};
  EXPECT_EQ(SaveUserWord(word, 2), "");
  ASSERT_TRUE(WriteSettingsByte(0));

  EXPECT_EQ(Names(install), installed);
  EXPECT_TRUE(Names(elsewhere).empty());
  const std::set<std::string> userFiles = Names(user);
  for (const char* name : {kUserLexiconFile, kUserCorpusFile, kSettingsFile})
    EXPECT_TRUE(userFiles.count(name)) << name;
  EXPECT_NE(folder.ReadBytes("user/srf_pub.dat").find(GbkFromUtf8("中国")), std::string::npos);
}

}  // namespace
}  // namespace dazi
