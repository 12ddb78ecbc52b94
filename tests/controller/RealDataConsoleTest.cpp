// Facts a user relies on, checked through the console on the generated dictionaries.
// Skipped when the dictionaries have not been built beside the test program.
#include <gmock/gmock.h>

#include <algorithm>
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

  // Types pinyin and chooses utf8 with its digit; returns the page shown after the choice.
  std::vector<std::string> Choose(const std::string& pinyin, const std::string& utf8) {
    const std::vector<std::string> page = Page(pinyin);
    const auto slot = std::find(page.begin(), page.end(), utf8);
    if (slot == page.end()) {
      ADD_FAILURE() << utf8 << " is not on the first page of " << pinyin;
      return {};
    }
    return Page(std::to_string((slot - page.begin() + 1) % 10));
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
  const std::vector<std::string> followOns = Choose("zhong", "中");
  ASSERT_FALSE(followOns.empty());
  EXPECT_THAT(followOns, Each(StartsWith("中")));
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    EXPECT_EQ(SrfState.CandidateKinds[i], kFollowOnWordKind);
  EXPECT_EQ(Utf8FromGbk(session_->Controller().OutputText()), "中");
}

TEST_F(RealDataConsole, EveryChoiceOffersTheWordsOfWhatWasChosen) {
  ASSERT_FALSE(Choose("zhong", "中").empty());
  const std::vector<std::string> afterGuo = Choose("guo", "国");
  ASSERT_FALSE(afterGuo.empty());
  EXPECT_THAT(afterGuo, Each(StartsWith("国")));
  // Not the words of an earlier choice that the new input's pool happens to hold.
  ASSERT_FALSE(Choose("xian", "现").empty());
  EXPECT_THAT(Choose("xian", "线"), Each(StartsWith("线")));
  EXPECT_EQ(Utf8FromGbk(session_->Controller().OutputText()), "中国现线");
}

}  // namespace
}  // namespace dazi::testing
