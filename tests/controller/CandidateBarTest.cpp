// The candidate bar: drawing, English mode, paging, choosing, follow-on words, learning.
#include <gmock/gmock.h>

#include <cstdio>
#include <functional>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/controller/ControllerFixture.h"
#include "ui/controller/Captions.h"

namespace dazi::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::StartsWith;

using CandidateBar = ControllerTest;

// Slot of the fixture's six-character word 中华人民共和 (12 bytes) on the page of "z".
int SixCharacterSlot() {
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    if (SrfState.CandidateTexts[i].size() == 12) return i;
  return -1;
}

TEST_F(CandidateBar, LabelsCarryPrefixesAndGlossesSitBesideTheText) {
  Type("z");
  const int six = SixCharacterSlot();
  ASSERT_GE(six, 0);
  const PinyinPanelView& py = controller_->View().pinyin;
  EXPECT_EQ(Utf8(py.labels[0]), "1: 中");
  EXPECT_EQ(py.glosses[0], "middle");
  EXPECT_EQ(py.glossLefts[0], 118);
  EXPECT_EQ(Utf8(py.labels[six]), std::to_string(six + 1) + ": 中华人民共和");
  EXPECT_EQ(py.glossLefts[six], 135);  // round(12 × 9.02) + 27
  EXPECT_EQ(py.glosses[six], "PRC!");
  EXPECT_EQ(py.candidateColour, LabelColour::Black);
  EXPECT_EQ(py.glossColour, LabelColour::GrayText);
  EXPECT_EQ(py.labels[SrfState.CandidateCount], "");
}

TEST_F(CandidateBar, GlossesStayEmptyWithEnglishOff) {
  ASSERT_TRUE(controller_->AcceptSettings(0x01));
  Type("z");
  for (const std::string& gloss : controller_->View().pinyin.glosses) EXPECT_EQ(gloss, "");
  Type("{Enter}");  // no English mode either
  EXPECT_EQ(SrfState.EnglishMode, 0);
  EXPECT_EQ(Output(), "");
}

TEST_F(CandidateBar, EnglishModeShortensLongTextsAndWritesTheGloss) {
  Type("z");
  const int six = SixCharacterSlot();
  ASSERT_GE(six, 0);
  Type("{Enter}");
  ASSERT_EQ(SrfState.EnglishMode, 1);
  const PinyinPanelView& py = controller_->View().pinyin;
  EXPECT_EQ(Utf8(py.labels[six]), std::to_string(six + 1) + ": 中华人民…");
  EXPECT_EQ(py.glossLefts[six], 118);
  EXPECT_EQ(py.candidateColour, LabelColour::GrayText);
  EXPECT_EQ(py.glossColour, LabelColour::Black);
  Type(std::to_string(six + 1));
  // "PRC!" and its blank are odd, so the practice text gets a second blank.
  EXPECT_EQ(Output(), "PRC!  ");
  EXPECT_EQ(SrfState.EnglishMode, 0);
  EXPECT_EQ(controller_->View().pinyin.candidateColour, LabelColour::Black);
}

TEST_F(CandidateBar, OddGlossGetsOneBlankAndSecondEnterWritesTheInput) {
  Type("zhongguo{Enter}");
  ChooseText("中国");
  EXPECT_EQ(Output(), "China ");
  Type("ni{Enter}{Enter}");
  EXPECT_EQ(Output(), "China ni");
  EXPECT_EQ(SrfState.EnglishMode, 0);
  EXPECT_FALSE(controller_->View().panelPYVisible);
}

TEST_F(CandidateBar, ChoosingACharacterOffersItsFollowOnWords) {
  Type("zhong");
  ChooseText("中");
  EXPECT_EQ(Output(), "中");
  EXPECT_EQ(Input(), "");
  EXPECT_THAT(CandidateTexts(), ElementsAre("中国", "中国人", "中华人民共和"));
  EXPECT_THAT(CandidateOutputs(), ElementsAre("国", "国人", "华人民共和"));
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    EXPECT_EQ(SrfState.CandidateKinds[i], kFollowOnWordKind);
  EXPECT_TRUE(controller_->View().panelPYVisible);
  ChooseText("中国");
  EXPECT_EQ(Output(), "中国");
  // The follow-on choice continues the chain of 中.
  EXPECT_EQ(SrfState.ChainLength, 2);
}

TEST_F(CandidateBar, EachNewInputOffersTheFollowOnWordsOfItsOwnChoice) {
  Type("zhong");
  ChooseText("中");
  Type("ren");
  ChooseText("人");
  EXPECT_THAT(CandidateTexts(), ElementsAre("人民"));
  EXPECT_THAT(CandidateOutputs(), ElementsAre("民"));
  // 你's follow-on word 你好 is in the pool of ni as well, but 尼 starts no word.
  Type("ni");
  ChooseText("你");
  ASSERT_THAT(CandidateTexts(), ElementsAre("你好"));
  Type("ni");
  ChooseText("尼");
  EXPECT_EQ(SrfState.CandidateCount, 0);
  EXPECT_FALSE(controller_->View().panelPYVisible);
  EXPECT_EQ(Output(), "中人你尼");
}

TEST_F(CandidateBar, WithoutAutoAssociateAChoiceClosesTheBar) {
  ASSERT_TRUE(controller_->AcceptSettings(0x08 | 0x10));
  Type("zhong");
  ChooseText("中");
  EXPECT_EQ(SrfState.CandidateCount, 0);
  const ViewState& v = controller_->View();
  EXPECT_FALSE(v.panelPYVisible || v.panel2Visible || v.panelZDVisible);
}

TEST_F(CandidateBar, PhraseIsRememberedThenSavedThenLeftAlone) {
  controller_->Label17Click();
  const std::string lexiconBefore = folder_.ReadBytes("srf_pub.usr");
  auto typePhrase = [this] {
    Type("zhongguo");
    ChooseText("中国");
    Type("renmin");
    ChooseText("人民");
    Type(",");
  };
  typePhrase();
  EXPECT_EQ(SrfState.LearnCount, 1);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), lexiconBefore);
  typePhrase();
  EXPECT_EQ(SrfState.LearnCount, 0);  // a user word now
  EXPECT_EQ(SrfState.UserWordCount, 1);
  const std::string saved = folder_.ReadBytes("srf_pub.usr");
  EXPECT_EQ(saved.size(), lexiconBefore.size() + 9);  // one record of four characters
  typePhrase();
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), saved);
  EXPECT_EQ(Output(), "中国人民，中国人民，中国人民，");
}

TEST_F(CandidateBar, OnlyWhatIsTypedBetweenTwoMarksIsLearned) {
  controller_->Label17Click();
  const std::string lexiconBefore = folder_.ReadBytes("srf_pub.usr");
  for (int i = 0; i < 2; ++i) {
    Type("zhongguo");
    ChooseText("中国");
    Type(",renmin");
    ChooseText("人民");
    Type(",");
  }
  EXPECT_EQ(Output(), "中国，人民，中国，人民，");
  // 中国人民 was never typed between two marks.
  EXPECT_EQ(SrfState.LearnCount, 0);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), lexiconBefore);
}

TEST_F(CandidateBar, OverlongPhraseDoesNotStopTheLearningOfLaterOnes) {
  controller_->Label17Click();
  for (int i = 0; i < 3; ++i) {  // 18 characters, too many for one phrase
    Type("z");
    const int six = SixCharacterSlot();
    ASSERT_GE(six, 0);
    Type(std::to_string(six + 1));
  }
  Type(",");
  ASSERT_EQ(SrfState.LearnCount, 0);
  for (int i = 0; i < 2; ++i) {
    Type("zhongguo");
    ChooseText("中国");
    Type("renmin");
    ChooseText("人民");
    Type(",");
  }
  ASSERT_EQ(SrfState.UserWordCount, 1);
  EXPECT_EQ(SrfState.UserWordLengths[0], 4);
}

TEST_F(CandidateBar, SavedWordIsTypedAtOnceAndAfterTheLexiconReload) {
  controller_->Label17Click();
  for (int i = 0; i < 2; ++i) {
    Type("zhongguo");
    ChooseText("中国");
    Type("renmin");
    ChooseText("人民");
    Type(",");
  }
  Type("zgrm");
  EXPECT_THAT(CandidateTexts(), ElementsAre("中国人民"));  // once, as a user word
  EXPECT_EQ(SrfState.CandidateKinds[0], kUserWordKind);
  Type("{Esc}");
  ASSERT_TRUE(controller_->FinishWordMaking());
  EXPECT_EQ(SrfState.UserWordCount, 1);
  Type("zgrm");
  EXPECT_THAT(CandidateTexts(), ElementsAre("中国人民"));
}

// The collected phrase is what stands unbroken in the text. Each way of writing something
// other than a candidate choice ends it: what came before is learned at that point (unless
// the write took text away), and the next mark learns only what followed.
TEST_F(CandidateBar, EveryWriteThatIsNoChoiceEndsThePhrase) {
  struct Way {
    const char* name;
    std::function<void()> write;
    std::vector<std::string> saved;
  };
  const std::vector<std::string> both = {"中国人民", "你好中国"};
  const std::vector<Way> ways = {
      {"Enter writes the letters", [this] { Type("abc{Enter}"); }, both},
      {"English output", [this] { Type("ni{Enter}1"); }, both},
      {"English typing", [this] { Type("{Ctrl}ok{Ctrl}"); }, both},
      {"a digit written as it is", [this] { Type("{Esc}5"); }, both},
      {"Backspace", [this] { Type("{Esc}{Back}"); }, {"你好中国"}},
      {"clearing the text", [this] { controller_->SpeedButton2Click(); }, {"你好中国"}},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    for (const char* name : {"srf_pub.usr", "srf_pub.dat", "srf_pub.lrn"}) std::remove(name);
    ResetEngineState();
    Start(TypingDictionary());
    for (int time = 0; time < 2; ++time) {
      Type("zhongguo");
      ChooseText("中国");
      Type("renmin");
      ChooseText("人民");
      way.write();
      Type("nihao");
      ChooseText("你好");
      Type("zhongguo");
      ChooseText("中国");
      Type(",");
    }
    std::vector<std::string> saved;
    const std::string corpus = Utf8(folder_.ReadBytes("srf_pub.dat"));
    for (std::size_t at = corpus.find('\t'); at != std::string::npos;
         at = corpus.find('\t', at + 1))
      saved.push_back(corpus.substr(at + 1, corpus.find('\r', at) - at - 1));
    EXPECT_EQ(saved, way.saved);
  }
}

TEST_F(CandidateBar, CollectedPhraseStopsAtThirtyThreeCharacters) {
  for (int i = 0; i < 6; ++i) {
    Type("z");
    const int six = SixCharacterSlot();
    ASSERT_GE(six, 0);
    Type(std::to_string(six + 1));
  }
  EXPECT_EQ(SrfState.CollectedCodeCount, 33);  // full: never learned without the sixth
  EXPECT_EQ(SrfState.CollectedText.size(), 60u);
  EXPECT_EQ(controller_->OutputText().size(), 72u);  // everything is still written
}

TEST_F(CandidateBar, DictionaryPanelFollowsTheSettingAndTheToggle) {
  Type("ni");
  EXPECT_FALSE(controller_->View().panelZDVisible);  // closed at start
  controller_->SpeedButtonKXZDClick();
  EXPECT_TRUE(controller_->View().panelZDVisible);
  const DictionaryPanelView& zd = controller_->View().dictionary;
  EXPECT_EQ(Utf8(zd.buttons[0]), "你");
  EXPECT_EQ(Utf8(zd.memoZD), "你：释义");
  controller_->SpeedButtonZD01Click(2);
  EXPECT_EQ(zd.highlighted, 1);
  EXPECT_EQ(Utf8(zd.memoZD), "尼：释义");

  ASSERT_TRUE(controller_->AcceptSettings(0x01 | 0x08));
  controller_->SpeedButtonKXZDClick();  // no effect with the setting off
  EXPECT_EQ(SrfState.DictPanelOpen, 1);
  Type("{Esc}ni");
  EXPECT_FALSE(controller_->View().panelZDVisible);
}

TEST_F(CandidateBar, PracticeTextFillsLinesOfEightyBytes) {
  const ViewState& v = controller_->View();
  ASSERT_EQ(v.memo1Lines.size(), 21u);
  for (int i = 0; i < 41; ++i) controller_->WriteOutput(Gbk("中"));
  EXPECT_EQ(v.memo1Lines[0].size(), 80u);
  EXPECT_EQ(v.memo1Lines[1], Gbk("中"));
  EXPECT_EQ(v.memo1Lines[2], "");
  controller_->WriteOutput({});
  EXPECT_EQ(v.memo1Lines[1], "");
  controller_->WriteOutput({});  // the first line gives up its last character
  EXPECT_EQ(v.memo1Lines[0].size(), 78u);
  controller_->SpeedButton2Click();
  EXPECT_EQ(controller_->OutputText(), "");
  EXPECT_EQ(v.memo1Lines.size(), 21u);
  EXPECT_THAT(v.memo1Lines, Each(""));
  controller_->WriteOutput("a");
  EXPECT_EQ(v.memo1Lines[0], "a ");
}

TEST_F(CandidateBar, TextBeyondTwentyOneLinesStaysVisible) {
  for (int i = 0; i < 22 * 40; ++i) controller_->WriteOutput(Gbk("国"));
  const ViewState& v = controller_->View();
  ASSERT_EQ(v.memo1Lines.size(), 23u);
  EXPECT_EQ(v.memo1Lines[21].size(), 80u);
  EXPECT_EQ(v.memo1Lines[22], "");
}

// 25 characters of one reading give three pages of ten.
FixtureDictionary PagingDictionary() {
  FixtureDictionary d;
  const char* chars[] = {"的", "一", "是", "不", "了", "在", "有", "人", "这",
                         "中", "大", "为", "上", "个", "国", "我", "以", "要",
                         "他", "时", "来", "用", "们", "生", "到"};
  int rank = 1;
  for (const char* c : chars) {
    const int n = d.AddChar(c);
    d.AddReading(n, "das", static_cast<std::uint16_t>(dictwriter::kAttrSimplified | rank++));
  }
  return d;
}

TEST(CandidatePaging, ThreePagesForTwentyFiveResults) {
  TempDataFolder folder;
  FixtureDictionary d = PagingDictionary();
  ASSERT_EQ(d.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  PracticeController c;
  for (char k : std::string("da")) c.Edit1KeyPress(k);
  ASSERT_EQ(SrfState.ResultCount, 25);
  c.Edit1KeyPress('-');  // the first page has no previous page
  EXPECT_EQ(SrfState.PageIndex, 0);
  c.Edit1KeyPress('=');
  EXPECT_EQ(SrfState.PageIndex, 1);
  c.Memo1KeyUp(34);  // Page Down
  EXPECT_EQ(SrfState.PageIndex, 2);
  EXPECT_EQ(SrfState.CandidateCount, 5);
  EXPECT_EQ(c.View().pinyin.labels[4].substr(0, 3), "5: ");
  EXPECT_EQ(c.View().pinyin.labels[5], "");
  c.Edit1KeyPress('=');
  EXPECT_EQ(SrfState.PageIndex, 2);
  c.Memo1KeyUp(33);  // Page Up
  EXPECT_EQ(SrfState.PageIndex, 1);
  EXPECT_EQ(SrfState.CandidateCount, 10);
  c.Edit1KeyPress('a');  // a new letter restarts at page 0
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_EQ(c.OutputText(), "");
}

}  // namespace
}  // namespace dazi::testing
