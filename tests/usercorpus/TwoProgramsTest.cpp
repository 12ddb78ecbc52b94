// Two programs in one data folder (two windows, or a window and the console) learning and
// making words at the same time: every word of both ends up in both files.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/ForkedChild.h"
#include "tests/support/TempDataFolder.h"
#include "tests/usercorpus/UserFilesWorkload.h"
#include "ui/usercorpus/UserFilesState.h"

namespace dazi {
namespace {

using namespace std::chrono_literals;

TEST(TwoPrograms, WordsSavedByBothAtOnceAreAllKept) {
  testing::TempDataFolder folder;
  testing::LoadWorkloadDictionary();
  constexpr int kWords = 40;
  // One program learns words 0.., the other learns words 100.. and makes words 200.. in the
  // editor, all at the same time.
  const pid_t learner = testing::StartChild([] {
    int failures = 0;
    for (int n = 0; n < kWords; ++n) failures += !testing::LearnWorkloadWord(n).empty();
    return failures;
  });
  const pid_t maker = testing::StartChild([] {
    int failures = 0;
    for (int n = 0; n < kWords; ++n) {
      failures += !testing::LearnWorkloadWord(100 + n).empty();
      failures += !testing::EditorAddsWorkloadWord(200 + n);
    }
    return failures;
  });
  EXPECT_EQ(testing::WaitForChild(learner, 120s), 0);
  EXPECT_EQ(testing::WaitForChild(maker, 120s), 0);

  std::multiset<std::string> expected;
  for (const int base : {0, 100, 200})
    for (int n = 0; n < kWords; ++n) expected.insert(testing::WorkloadText(base + n));
  const UserFilesState state = ReadUserFilesState();
  EXPECT_EQ(state.problem, "");
  EXPECT_EQ(state.corpusEntries, expected);
  EXPECT_EQ(state.lexiconWords, expected);
}

}  // namespace
}  // namespace dazi
