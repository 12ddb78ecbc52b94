// Facts a user relies on, checked through the console on the generated dictionaries.
// Skipped when the dictionaries have not been built beside the test program.
#include <gmock/gmock.h>

#include <filesystem>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::testing {
namespace {

class RealDataConsole : public ::testing::Test {
 protected:
  void SetUp() override {
    // The user files go to a fresh folder; the dictionaries are linked read-only.
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>();
  }

  // The shown candidate texts after typing line (in UTF-8).
  std::vector<std::string> Page(const std::string& line) {
    session_->HandleLine(line);
    std::vector<std::string> texts;
    for (int i = 0; i < SrfState.CandidateCount && i < kPageCapacity; ++i)
      texts.push_back(Utf8FromGbk(SrfState.CandidateTexts[i]));
    return texts;
  }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
};

using ::testing::Contains;
using ::testing::Each;
using ::testing::StartsWith;

TEST_F(RealDataConsole, WordsOnTheFirstPage) {
  EXPECT_THAT(Page("zhongguo"), Contains("中国"));
  EXPECT_THAT(Page("{Esc}nihao"), Contains("你好"));
  EXPECT_THAT(Page("{Esc}zz"), Contains("政治"));
  EXPECT_EQ(SrfState.PageIndex, 0);
}

TEST_F(RealDataConsole, ChoosingZhongOffersWordsBeginningWithIt) {
  const std::vector<std::string> page = Page("zhong");
  const auto slot = std::find(page.begin(), page.end(), "中");
  ASSERT_NE(slot, page.end());
  const int digit = static_cast<int>(slot - page.begin()) + 1;
  const std::vector<std::string> followOns = Page(std::to_string(digit % 10));
  ASSERT_FALSE(followOns.empty());
  EXPECT_THAT(followOns, Each(StartsWith("中")));
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    EXPECT_EQ(SrfState.CandidateKinds[i], kFollowOnWordKind);
  EXPECT_EQ(Utf8FromGbk(session_->Controller().OutputText()), "中");
}

}  // namespace
}  // namespace dazi::testing
