// The user's words under damaged, unusual and unwritable user files: nothing that cannot be
// read is overwritten, every failed save is reported, and the two user files agree.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "engine/user/Settings.h"
#include "engine/user/UserLexicon.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/GbkText.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;
using testing::Gbk;
namespace fs = std::filesystem;

std::string Record(std::initializer_list<int> codes) {
  std::string r(1, static_cast<char>(codes.size()));
  for (int c : codes) {
    r += static_cast<char>(c & 0xFF);
    r += static_cast<char>(c >> 8);
  }
  return r;
}

// Characters 中 1, 国 2, 人 3, 民 4.
class UserFilesSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    for (const char* ch : {"中", "国", "人", "民"})
      d.AddReading(d.AddChar(ch), "zhongs", kAttrSimplified | 1);
    ASSERT_EQ(d.Write(), "");
  }
  // Chooses 中国 and 人民 and ends the phrase, as typing them and a comma does.
  static std::string TypePhrase() {
    const int32 first[] = {1, 2}, second[] = {3, 4};
    CollectChoice(Gbk("中国"), first, 2, kDictionaryWordKind);
    CollectChoice(Gbk("人民"), second, 2, kDictionaryWordKind);
    return LearnPhrase();
  }
  // Puts something other than a regular file at name: a folder or a FIFO.
  static void Block(const std::string& name, bool fifo) {
    fs::remove(name);
    if (fifo) {
      ASSERT_EQ(::mkfifo(name.c_str(), 0644), 0);
    } else {
      fs::create_directory(name);
      fs::create_directory(name + "/inside");
    }
  }

  testing::TempDataFolder folder_;
};

TEST_F(UserFilesSafety, AMissingCorpusIsMadeFromTheLexiconSoTheEditorKeepsItsWords) {
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({3, 4}) + Record({1, 99}) + '\0');
  ASSERT_TRUE(LoadDictionaries().ok);
  // 99 is no character: that record cannot be written as text.
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"),
            Gbk("我的词语") + "\r\n\t" + Gbk("中国") + "\r\n\t" + Gbk("人民") + "\r\n");
  EXPECT_EQ(SrfState.UserWordCount, 3);
}

// Neither file may be replaced when the other, or itself, cannot be read; the user is told
// which file, and the phrase stays unsaved so that its next completion tries again.
TEST_F(UserFilesSafety, AFileThatCannotBeReadIsNeverReplacedAndTheFailureIsReported) {
  for (const char* name : {"srf_pub.dat", "srf_pub.usr"}) {
    for (const bool fifo : {false, true}) {
      SCOPED_TRACE(std::string(name) + (fifo ? " as a FIFO" : " as a folder"));
      folder_.WriteBytes("srf_pub.dat", Gbk("我的词语") + "\r\n");
      folder_.WriteBytes("srf_pub.usr", std::string(1, '\0'));
      ResetEngineState();
      ASSERT_TRUE(LoadDictionaries().ok);
      Block(name, fifo);
      const std::string other = std::string(name) == "srf_pub.dat" ? "srf_pub.usr" : "srf_pub.dat";
      const std::string otherBefore = folder_.ReadBytes(other);

      EXPECT_EQ(TypePhrase(), "");  // remembered
      const std::string message = TypePhrase();
      EXPECT_NE(message.find(name), std::string::npos) << message;
      EXPECT_EQ(SrfState.LearnSaved[0], 0);
      EXPECT_EQ(fifo ? fs::is_fifo(name) : fs::is_directory(std::string(name) + "/inside"), true);
      EXPECT_EQ(folder_.ReadBytes(other), otherBefore);
      fs::remove_all(name);
    }
  }
}

// srf_pub.usr cannot be written (its link leads into a folder that does not exist): the
// corpus line already written is taken back, so the editor's next rebuild of srf_pub.usr
// from srf_pub.dat neither gains nor loses a word behind the user's back.
TEST_F(UserFilesSafety, ALexiconThatCannotBeWrittenTakesTheCorpusLineBack) {
  ASSERT_TRUE(LoadDictionaries().ok);
  const std::string corpus = folder_.ReadBytes("srf_pub.dat");
  fs::remove("srf_pub.usr");
  fs::create_symlink("nowhere/srf_pub.usr", "srf_pub.usr");
  EXPECT_EQ(TypePhrase(), "");
  const std::string message = TypePhrase();
  EXPECT_NE(message.find("srf_pub.usr"), std::string::npos) << message;
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), corpus);
  EXPECT_EQ(SrfState.LearnSaved[0], 0);
}

// A symbol chosen first is part of the typed text but has no character number: the corpus
// line is written from the numbers, so both files hold the same word.
TEST_F(UserFilesSafety, TheCorpusLineSpellsExactlyTheLexiconRecord) {
  ASSERT_TRUE(LoadDictionaries().ok);
  const std::string before = folder_.ReadBytes("srf_pub.dat");
  for (int time = 0; time < 2; ++time) {
    CollectChoice(Gbk("＃"), nullptr, 0, kCharacterKind);
    EXPECT_EQ(TypePhrase(), "");
  }
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), before + "\t" + Gbk("中国人民") + "\r\n");
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), Record({1, 2, 3, 4}) + '\0');
}

// A word already in the files is not written twice: one saved in an earlier run is a user
// word and not even remembered; one another program saved meanwhile is found in the files
// when this program saves it, and is read in.
TEST_F(UserFilesSafety, AWordAlreadySavedIsNotAddedAgain) {
  const std::string corpus = Gbk("类") + "\r\n\t" + Gbk("中国人民") + "\r\n";
  const std::string lexicon = Record({1, 2, 3, 4}) + '\0';
  for (const bool earlierRun : {true, false}) {
    SCOPED_TRACE(earlierRun ? "earlier run" : "another program");
    ResetEngineState();
    if (earlierRun) folder_.WriteBytes("srf_pub.usr", lexicon);
    ASSERT_TRUE(LoadDictionaries().ok);
    folder_.WriteBytes("srf_pub.dat", corpus);
    folder_.WriteBytes("srf_pub.usr", lexicon);
    EXPECT_EQ(TypePhrase(), "");
    EXPECT_EQ(SrfState.LearnCount, earlierRun ? 0 : 1);
    ClearCollectedPhrase();
    EXPECT_EQ(TypePhrase(), "");
    EXPECT_EQ(SrfState.LearnCount, 0);
    EXPECT_EQ(SrfState.UserWordCount, 1);
    EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), corpus);
    EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), lexicon);
    std::remove("srf_pub.usr");
    std::remove("srf_pub.dat");
  }
}

// A FIFO in a file's place would block the opening forever: each is refused at once, with a
// message naming the file. The load runs in a child with a time limit, so a hang fails.
TEST_F(UserFilesSafety, AFifoInPlaceOfAFileIsRefusedAtOnce) {
  struct Case {
    const char* name;
    bool loads;  // whether the load still succeeds (with a warning)
  };
  for (const Case c : {Case{"srf_pub.zc", false}, Case{"srf_pub.usr", true},
                       Case{"srf_pykx.set", true}, Case{"srf_pub.dat", true}}) {
    SCOPED_TRACE(c.name);
    const std::string kept = std::string(c.name) + ".kept";
    if (fs::exists(c.name)) fs::rename(c.name, kept);
    ASSERT_EQ(::mkfifo(c.name, 0644), 0);
    const int status = testing::RunInChild(
        [&] {
          const LoadResult result = LoadDictionaries();
          const std::string& text = c.loads ? result.warning : result.message;
          const bool named = text.find(c.name) != std::string::npos &&
                             text.find("not a regular file") != std::string::npos;
          return result.ok == c.loads && named ? 0 : 1;
        },
        std::chrono::seconds(20));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(fs::is_fifo(c.name));  // refused, not replaced
    fs::remove(c.name);
    if (fs::exists(kept)) fs::rename(kept, c.name);
  }
}

// An unreadable settings file keeps the default switches and is not replaced at start.
TEST_F(UserFilesSafety, ASettingsFileThatCannotBeReadIsReportedAndKept) {
  fs::create_directory("srf_pykx.set");
  const LoadResult result = LoadDictionaries();
  ASSERT_TRUE(result.ok);
  EXPECT_NE(result.warning.find("srf_pykx.set"), std::string::npos);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_TRUE(fs::is_directory("srf_pykx.set"));
  std::string error;
  EXPECT_FALSE(WriteSettingsByte(9, &error));
  EXPECT_EQ(error, "not a regular file");
}

// A link at a user file's name that points nowhere is refused: the write would otherwise make
// a file wherever the link points.
TEST_F(UserFilesSafety, ALinkToNothingIsNotWrittenThrough) {
  fs::remove("srf_pykx.set");
  fs::create_symlink("elsewhere.set", "srf_pykx.set");
  std::string error;
  EXPECT_FALSE(WriteSettingsByte(9, &error));
  EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists("elsewhere.set"));
  EXPECT_TRUE(fs::is_symlink("srf_pykx.set"));
}

// Root rewriting a user's file (dazi started once with sudo in the user's folder) leaves it
// the user's, or every later save of the user would fail.
TEST_F(UserFilesSafety, ARewriteByRootKeepsTheFilesOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  ASSERT_TRUE(WriteSettingsByte(1));
  constexpr uid_t kNobody = 65534;
  ASSERT_EQ(::chown("srf_pykx.set", kNobody, kNobody), 0);
  ASSERT_TRUE(WriteSettingsByte(2));
  struct stat st {};
  ASSERT_EQ(::stat("srf_pykx.set", &st), 0);
  EXPECT_EQ(st.st_uid, kNobody);
  EXPECT_EQ(st.st_gid, kNobody);
}

}  // namespace
}  // namespace dazi
