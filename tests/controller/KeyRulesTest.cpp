// Key rules of the practice area, typed through the controller on the fixture dictionary.
#include <gmock/gmock.h>

#include "engine/core/Unit_Data.h"
#include "tests/controller/ControllerFixture.h"
#include "ui/controller/Captions.h"

namespace dazi::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

using KeyRules = ControllerTest;

TEST_F(KeyRules, LettersRefreshWhileCandidatesAreShown) {
  for (const char* prefix : {"n", "ni", "nih", "niha", "nihao"}) {
    Type(std::string(1, prefix[std::char_traits<char>::length(prefix) - 1]));
    EXPECT_EQ(Input(), prefix);
    EXPECT_EQ(controller_->View().label11, prefix);
    EXPECT_GT(SrfState.CandidateCount, 0) << prefix;
  }
  EXPECT_THAT(CandidateTexts(), Contains("你好"));
  EXPECT_TRUE(controller_->View().panel2Visible);
  EXPECT_TRUE(controller_->View().panelPYVisible);
}

TEST_F(KeyRules, FourthLetterWithAnEmptyBarOnlyUpdatesTheInputDisplay) {
  Type("nix");
  ASSERT_EQ(SrfState.CandidateCount, 0);
  SrfState.ResultCount = 4242;  // a lookup would rebuild the result list
  Type("i");
  EXPECT_EQ(Input(), "nixi");
  EXPECT_EQ(controller_->View().label11, "nixi");
  EXPECT_EQ(SrfState.ResultCount, 4242);
}

TEST_F(KeyRules, HundredthLetterIsDropped) {
  Type(std::string(120, 'q'));
  EXPECT_EQ(Input(), std::string(99, 'q'));
  EXPECT_EQ(controller_->View().label11, std::string(15, 'q'));
}

TEST_F(KeyRules, DigitBeyondTheShownCandidatesChoosesTheLast) {
  Type("ha");
  ASSERT_EQ(SrfState.CandidateCount, 2);
  const std::string last = CandidateOutputs()[1];
  Type("3");
  EXPECT_EQ(Output(), last);
  EXPECT_EQ(SrfState.SelectedIndex, 1);
}

TEST_F(KeyRules, DigitsAndZeroWithoutCandidatesAreWritten) {
  Type("70");
  EXPECT_EQ(Output(), "7 0 ");
  Type("{Back}");  // a one-byte piece and its blank go together
  EXPECT_EQ(Output(), "7 ");
}

TEST_F(KeyRules, ChinesePunctuationAndQuotePairing) {
  controller_->Label17Click();
  Type("''\"\",^&");
  EXPECT_EQ(Output(), "’‘“”，…—");
  Type("'");  // the single quote's bit is independent of the double quote's
  EXPECT_EQ(Output(), "’‘“”，…—’");
}

TEST_F(KeyRules, FullStopDiscardsThePendingInput) {
  controller_->Label17Click();
  Type("ni");
  ASSERT_GT(SrfState.CandidateCount, 0);
  Type(".");
  EXPECT_EQ(Output(), "。");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelPYVisible);
  EXPECT_FALSE(controller_->View().panel2Visible);
}

TEST_F(KeyRules, AsciiPunctuationIsWrittenAsTypedAndStillLearns) {
  ASSERT_EQ(controller_->View().statusBar.label17, captions::AsciiPunct());
  Type("zhongguo");
  ChooseText("中国");
  Type("renmin");
  ChooseText("人民");
  Type(",");
  EXPECT_EQ(Output(), "中国人民, ");
  EXPECT_EQ(SrfState.LearnCount, 1);
  EXPECT_EQ(SrfState.LearnLengths[0], 4);
}

TEST_F(KeyRules, BackspaceEditsTheInputThenDeletesWrittenCharacters) {
  Type("ni1hao1");
  ASSERT_EQ(Output(), "你好");
  Type("ni{Back}");
  EXPECT_EQ(Input(), "n");
  EXPECT_GT(SrfState.CandidateCount, 0);
  Type("{Back}");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelPYVisible);
  EXPECT_EQ(Output(), "你好");
  Type("{Back}{Back}");
  EXPECT_EQ(Output(), "");
  Type("{Back}");  // nothing left to delete
  EXPECT_EQ(Output(), "");
}

TEST_F(KeyRules, EnterWithoutCandidatesWritesTheLetters) {
  Type("hello");
  ASSERT_EQ(SrfState.CandidateCount, 0);
  Type("{Enter}");
  EXPECT_EQ(Output(), "hello ");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panel2Visible);
}

TEST_F(KeyRules, EscapeClearsTheInputAndHidesThePanels) {
  SrfState.ShowDictionary = 1;
  SrfState.DictPanelOpen = 1;
  Type("ni");
  ASSERT_TRUE(controller_->View().panelPYVisible);
  ASSERT_TRUE(controller_->View().panelZDVisible);
  Type("{Esc}");
  EXPECT_EQ(Input(), "");
  const ViewState& v = controller_->View();
  EXPECT_FALSE(v.panel2Visible || v.panelPYVisible || v.panelKXVisible || v.panelZDVisible);
  EXPECT_EQ(Output(), "");
}

TEST_F(KeyRules, HiddenFollowOnWordsCannotBeChosen) {
  Type("zhong1");
  ASSERT_GT(SrfState.CandidateCount, 0);  // follow-on words of 中
  Type(", 2");
  EXPECT_EQ(Output(), "中, 2 ");
  Type("zhong1");
  ASSERT_GT(SrfState.CandidateCount, 0);
  Type("{Back}3");
  EXPECT_EQ(Output(), "中, 2 3 ");
}

TEST_F(KeyRules, EqualsAndMinusPageWithCandidatesAndAreWrittenWithout) {
  Type("=-");
  EXPECT_EQ(Output(), "= - ");
}

}  // namespace
}  // namespace dazi::testing
