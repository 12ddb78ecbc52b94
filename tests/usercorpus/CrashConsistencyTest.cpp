// A program killed (SIGKILL) at any moment while it writes a user file leaves each file
// whole, the old or the new version, and the two word files in step. A child process runs a
// loop of every kind of user-file write, the parent kills it after a random delay and checks
// the files, many times over.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "engine/dict/DictLayout.h"
#include "engine/user/Settings.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDataFolder.h"
#include "tests/usercorpus/UserFilesWorkload.h"
#include "ui/usercorpus/UserCorpus.h"
#include "ui/usercorpus/UserFilesState.h"

namespace dazi {
namespace {

using namespace std::chrono_literals;

TEST(CrashConsistency, AKilledWriterLeavesWholeFilesInStep) {
  testing::TempDataFolder folder;
  testing::LoadWorkloadDictionary();
  std::mt19937 random(20261208);
  int round = 0, killedMidway = 0;
  const auto end = std::chrono::steady_clock::now() + 3s;
  while (std::chrono::steady_clock::now() < end) {
    // Each round writes its own words: learning's saves, the editor's adds, settings bytes.
    const int first = round * 9 % 990;
    const pid_t child = testing::StartChild([first] {
      for (int i = 0;; ++i) {
        const int n = first + i % 9;
        if (i % 3 == 0) testing::LearnWorkloadWord(n);
        if (i % 3 == 1) testing::EditorAddsWorkloadWord(n);
        if (i % 3 == 2) WriteSettingsByte(static_cast<std::uint8_t>(i));
        if (i == 9) return 0;
      }
    });
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    killedMidway += ::kill(child, SIGKILL) == 0 && testing::WaitForChild(child, 10s) == -1;
    ++round;

    const UserFilesState state = ReadUserFilesState();
    ASSERT_EQ(state.problem, "") << "round " << round;
    // Both word files are written with srf_pub.dat first: a kill between the two leaves at
    // most one word that srf_pub.usr lacks, and never the other way round.
    std::vector<std::string> onlyLexicon, onlyCorpus;
    std::set_difference(state.lexiconWords.begin(), state.lexiconWords.end(),
                        state.corpusEntries.begin(), state.corpusEntries.end(),
                        std::back_inserter(onlyLexicon));
    std::set_difference(state.corpusEntries.begin(), state.corpusEntries.end(),
                        state.lexiconWords.begin(), state.lexiconWords.end(),
                        std::back_inserter(onlyCorpus));
    ASSERT_TRUE(onlyLexicon.empty()) << "round " << round;
    ASSERT_LE(onlyCorpus.size(), 1u) << "round " << round;
    // And they load: the editor finds nothing to put back and brings srf_pub.usr level.
    UserCorpus editor;
    ASSERT_EQ(editor.Open(kZcFile), std::vector<std::string>()) << "round " << round;
    ASSERT_EQ(ReadUserFilesState().lexiconWords, state.corpusEntries);
  }
  // The kills fell while the child was writing, and the writes made progress.
  EXPECT_GT(killedMidway, round / 2);
  EXPECT_GT(ReadUserFilesState().corpusEntries.size(), 20u);
}

}  // namespace
}  // namespace dazi
