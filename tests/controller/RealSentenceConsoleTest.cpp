// Whole sentences typed through the console on the generated dictionaries: the default
// sentence with its hint in the report, Space writing it, and the Left key's correction.
// Skipped when the dictionaries have not been built beside the test program.
#include <gmock/gmock.h>

#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class RealSentenceConsole : public ::testing::Test {
 protected:
  void SetUp() override {
    // The user files go to a fresh folder; the dictionaries are linked read-only.
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>();
  }

  std::string Output() const { return Utf8FromGbk(session_->Controller().OutputText()); }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
};

TEST_F(RealSentenceConsole, InitialsAndFullPinyinMakeOneSentenceThatSpaceWrites) {
  const std::string report = session_->HandleLine("wmyaonltggongzuosp");
  EXPECT_THAT(report, HasSubstr("\"candidates\":[]"));
  EXPECT_THAT(report, HasSubstr("\"default\":\"我们要努力提高工作水平\""));
  EXPECT_THAT(report, HasSubstr("\"hint\":true"));

  const std::string written = session_->HandleLine(" ");
  EXPECT_THAT(written, HasSubstr("\"output\":\"我们要努力提高工作水平\""));
  EXPECT_THAT(written, HasSubstr("\"input\":\"\""));
  EXPECT_THAT(written, HasSubstr("\"hint\":false"));
}

TEST_F(RealSentenceConsole, LeftOffersTheFirstWordAndTheRestIsConvertedAfterTheChoice) {
  session_->HandleLine("womenyaonulitigao");
  const std::string sentence = Utf8FromGbk(SrfState.DefaultSentence);
  ASSERT_EQ(sentence.rfind("我们", 0), 0u) << sentence;

  const std::string corrected = session_->HandleLine("{Left}");
  EXPECT_THAT(corrected, HasSubstr("\"input\":\"women\""));
  EXPECT_THAT(corrected, HasSubstr("\"remaining\":\"yaonulitigao\""));
  EXPECT_THAT(corrected, HasSubstr("\"candidates\":[{\"text\":\"我们\""));

  const std::string continued = session_->HandleLine("1");
  EXPECT_THAT(continued, HasSubstr("\"input\":\"yaonulitigao\""));
  EXPECT_THAT(continued, HasSubstr("\"remaining\":\"\""));
  EXPECT_THAT(continued, HasSubstr("\"candidates\":[]"));
  EXPECT_THAT(continued, HasSubstr("\"hint\":true"));
  EXPECT_THAT(continued, Not(HasSubstr("\"default\":\"\"")));
  EXPECT_EQ(Output(), "我们");

  session_->HandleLine(" ");
  EXPECT_EQ(Output(), sentence);
}

TEST_F(RealSentenceConsole, TraditionalCorrectionOffersTraditionalCharacters) {
  session_->HandleLine(":class");
  ASSERT_EQ(SrfState.MethodClass, 1);
  session_->HandleLine("xuexiwenhua{Left}{Left}");
  ASSERT_EQ(SrfState.InputText, "xue");
  ASSERT_GT(SrfState.CandidateCount, 0);
  EXPECT_EQ(Utf8FromGbk(SrfState.CandidateTexts[0]), "學");
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    EXPECT_NE(Utf8FromGbk(SrfState.CandidateTexts[i]), "学");
}

// Letters after u, i, v or va only turn symbol pages; paged past the end, the bar is empty,
// and neither Space nor Left may make a sentence of them (王王王…, 将将将…).
TEST_F(RealSentenceConsole, SymbolPageLettersAreNeverASentence) {
  for (const char* letters :
       {"uuuuuuuuuuuu", "iiiiiiiiiiiiiiii", "vvvvvvvvvvvvvv", "vaaaaaaaaaaaaa", "uangzhiqiang"}) {
    const std::string report = session_->HandleLine(letters);
    EXPECT_THAT(report, HasSubstr("\"candidates\":[]")) << letters;
    EXPECT_THAT(report, HasSubstr("\"default\":\"\"")) << letters;
    session_->HandleLine(" ");
    session_->HandleLine("{Left} ");
    EXPECT_EQ(Output(), "") << letters;
    session_->HandleLine("{Esc}");
  }
}

}  // namespace
}  // namespace dazi::testing
