#include "engine/user/Settings.h"

#include <gtest/gtest.h>

#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

TEST(Settings, MissingFileIsCreatedWithTheDefaultByte) {
  testing::TempDataFolder folder;
  LoadDictionaries();  // fails at the dictionaries, after the settings step
  EXPECT_EQ(folder.ReadBytes(kSettingsFile), std::string(1, '\x19'));
  EXPECT_EQ(SrfState.AutoAssociate, 1);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_EQ(SrfState.ShowDictionary, 1);
}

TEST(Settings, ZeroByteLeavesEverySwitchOff) {
  testing::TempDataFolder folder;
  folder.WriteBytes(kSettingsFile, std::string(1, '\0'));
  LoadDictionaries();
  EXPECT_EQ(SrfState.AutoAssociate, 0);
  EXPECT_EQ(SrfState.ShowEnglish, 0);
  EXPECT_EQ(SrfState.ShowDictionary, 0);
  EXPECT_EQ(folder.ReadBytes(kSettingsFile), std::string(1, '\0'));  // not overwritten
}

TEST(Settings, AllBitsSetOnlyTheThreeSwitches) {
  testing::TempDataFolder folder;
  folder.WriteBytes(kSettingsFile, "\xFF");
  LoadDictionaries();
  EXPECT_EQ(SrfState.AutoAssociate, 1);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_EQ(SrfState.ShowDictionary, 1);
  EXPECT_EQ(SrfState.EnglishMode, 0);
  EXPECT_EQ(SrfState.DictPanelOpen, 0);
}

TEST(Settings, WrittenByteIsReadBack) {
  testing::TempDataFolder folder;
  ASSERT_TRUE(WriteSettingsByte(9));
  EXPECT_EQ(ReadSettingsByte(), 9);
  ApplySettingsByte(ReadSettingsByte());
  EXPECT_EQ(SrfState.AutoAssociate, 1);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_EQ(SrfState.ShowDictionary, 0);
}

}  // namespace
}  // namespace dazi
