// A program killed (SIGKILL) at any moment while it writes a user file leaves each file
// whole, the old or the new version, and the two word files in step. A child process runs a
// loop of every kind of user-file write and kills itself at one step of one rewrite; round
// after round the step moves on by one, until the loop finishes, so every step of every write
// is a kill point on any machine.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>

#include "engine/dict/DictLayout.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/Settings.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDataFolder.h"
#include "tests/usercorpus/UserFilesWorkload.h"
#include "ui/usercorpus/UserCorpus.h"
#include "ui/usercorpus/UserFilesState.h"

namespace dazi {
namespace {

using namespace std::chrono_literals;

int stepsBeforeKill = 0;

void KillAtChosenStep(AtomicWriteStep) {
  if (stepsBeforeKill-- == 0) ::raise(SIGKILL);
}

TEST(CrashConsistency, AKilledWriterLeavesWholeFilesInStep) {
  testing::TempDataFolder folder;
  testing::LoadWorkloadDictionary();
  int round = 0;
  for (bool finished = false; !finished; ++round) {
    ASSERT_LT(round, 1000) << "the writes never finish";
    // Each round writes its own words: learning's saves, the editor's adds, settings bytes.
    const int first = round * 9 % 990;
    const pid_t child = testing::StartChild([first, round] {
      stepsBeforeKill = round;
      SetAtomicWriteObserver(KillAtChosenStep);
      for (int i = 0;; ++i) {
        const int n = first + i % 9;
        if (i % 3 == 0) testing::LearnWorkloadWord(n);
        if (i % 3 == 1) testing::EditorAddsWorkloadWord(n);
        if (i % 3 == 2) WriteSettingsByte(static_cast<std::uint8_t>(i));
        if (i == 9) return 0;
      }
    });
    finished = testing::WaitForChild(child, 30s) == 0;

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
  // Four steps in each of the loop's rewrites (learning and the editor write two files each),
  // and the writes made progress.
  EXPECT_GE(round, 4 * 17);
  EXPECT_GT(ReadUserFilesState().corpusEntries.size(), 20u);
}

}  // namespace
}  // namespace dazi
