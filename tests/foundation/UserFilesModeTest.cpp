// User files are made rw-r--r-- (folders rwxr-xr-x) whatever the process's umask: under
// umask 0777 a file made the ordinary way has no permissions at all, and the next run, or
// another program of the same user, could not read it back.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "engine/user/Learning.h"
#include "engine/user/UserFilesLock.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

namespace fs = std::filesystem;

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(previous_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t previous_;
};

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

constexpr uid_t kNobody = 65534;

// Root reads and writes any file whatever its mode: the writer and reader of the test run as
// an ordinary user, that user owning the data folder.
bool BecomeOrdinaryUser() {
  return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}

// The user files made under umask 0777, then read back by a fresh load and a user-files lock
// as the next run does: 0 when all went well.
int MakeAndReadBackUserFiles() {
  if (!BecomeOrdinaryUser()) return 1;
  {
    ScopedUmask nothing(0777);
    const LoadResult load = LoadDictionaries();  // makes the missing user files
    if (!load.ok || !load.warning.empty()) return 2;
    const int32 first[] = {1, 2}, second[] = {3, 4};
    for (int time = 0; time < 2; ++time) {  // the second time saves the word
      CollectChoice(GbkFromUtf8("中国"), first, 2, kDictionaryWordKind);
      CollectChoice(GbkFromUtf8("人民"), second, 2, kDictionaryWordKind);
      if (!LearnPhrase().empty()) return 3;
    }
    if (SrfState.UserWordCount != 1) return 4;  // saved, and offered at once
  }
  ResetEngineState();
  const LoadResult again = LoadDictionaries();
  if (!again.ok || !again.warning.empty()) return 5;
  if (SrfState.UserWordCount != 1) return 6;  // 中国人民
  return UserFilesLock().Held() ? 0 : 7;
}

TEST(UserFilesMode, FilesMadeUnderUmask0777AreReadBack) {
  testing::TempDataFolder folder;
  testing::FixtureDictionary d;
  for (const char* ch : {"中", "国", "人", "民"})
    d.AddReading(d.AddChar(ch), "zhongs", dictwriter::kAttrSimplified | 1);
  ASSERT_EQ(d.Write(), "");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(folder.Path().c_str(), kNobody, kNobody), 0);
  }

  EXPECT_EQ(testing::RunInChild(MakeAndReadBackUserFiles, std::chrono::seconds(20)), 0);
  for (const char* name :
       {"srf_pub.usr", "srf_pub.dat", "srf_pub.lrn", "srf_pykx.set", kUserFilesLockFile})
    EXPECT_EQ(ModeOf(folder.File(name)), 0644u) << name;
}

TEST(UserFilesMode, DataFolderMadeUnderUmask0777CanBeEntered) {
  testing::TempDataFolder folder;
  const fs::path inner = folder.Path() / "share" / "dazi";
  std::string error;
  {
    ScopedUmask nothing(0777);
    ASSERT_TRUE(ProvideDataFolder(inner.string(), folder.Path().string(), {}, &error)) << error;
  }
  EXPECT_EQ(ModeOf(inner.parent_path()), 0755u);
  EXPECT_EQ(ModeOf(inner), 0755u);
}

}  // namespace
}  // namespace dazi
