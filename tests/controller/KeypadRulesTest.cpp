// The keypad method in the practice controller: strokes, paging, deleting and choosing on the
// numeric pad, the punctuation pages, follow-on words, and the method and class switches.
#include <gmock/gmock.h>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Unit_Data.h"
#include "engine/keypad/KeypadEngine.h"
#include "tests/controller/ControllerFixture.h"
#include "ui/controller/Captions.h"

namespace dazi::testing {
namespace {

using dictwriter::kAttrSimplified;
using dictwriter::kStrokeSimplified;
using dictwriter::kStrokeTraditional;
using dictwriter::kStrokeVariant;
using ::testing::Each;
using ::testing::ElementsAre;

struct StrokeCharacter {
  const char* text;
  const char* code;
};
constexpr StrokeCharacter kStrokeOneCharacters[] = {{"一", "1"},   {"二", "11"},   {"三", "111"},
                                                    {"十", "12"},  {"王", "1121"}, {"干", "112"},
                                                    {"土", "121"}, {"工", "121"},  {"大", "134"}};

class KeypadRules : public ControllerTest {
 protected:
  void SetUp() override {
    FixtureDictionary d;
    // Stroke 1 starts nine characters, enough for three pages and previews; they also share
    // the pinyin "a", so the pinyin method can show them ten to a page.
    int rank = 1;
    for (const auto& [ch, code] : kStrokeOneCharacters) {
      const int n = Char(d, ch, {code});
      d.AddReading(n, "ah", static_cast<std::uint16_t>(kAttrSimplified | rank++));
    }
    d.Source().chars[0].gloss = "one";
    zhong_ = Char(d, "中", {"2512"}, kStrokeSimplified | kStrokeVariant);
    Char(d, "口", {"251"});
    guo_ = Char(d, "国", {"2511", "6"});
    Char(d, "八", {"34"});
    ren_ = Char(d, "人", {"34"});
    Char(d, "民", {"515", "66"});
    Char(d, "丰", {"1112"}, kStrokeTraditional);
    d.AddWord({zhong_, guo_}, true, false, 0, 0, "China");
    d.AddWord({zhong_, guo_, ren_});
    d.AddWord({guo_, kWang});
    Start(std::move(d));
    controller_->Label14Click();
  }

  // Adds a character with its stroke codes (main code first), each listed in the first-stroke
  // list of its first digit.
  static int Char(FixtureDictionary& d, const char* utf8, const std::vector<std::string>& codes,
                  std::uint8_t classBits = kStrokeSimplified) {
    const int n = d.AddChar(utf8);
    for (std::size_t r = 0; r < codes.size(); ++r) {
      d.Source().chars.back().strokeCodes.push_back(dictwriter::PackStrokeCode(codes[r]));
      d.Source().strokeLists[static_cast<std::size_t>(codes[r][0] - '1')].push_back(
          {static_cast<std::uint16_t>(n), classBits, static_cast<std::uint8_t>(r)});
    }
    return n;
  }

  // Presses the numeric-pad keys of a string of pad symbols ("12", "0", "+", "/").
  void Pad(const std::string& keys) {
    for (char k : keys) Type("{KP" + std::string(1, k) + "}");
  }

  std::vector<std::string> Labels() const { return Texts(controller_->View().keypad.labels); }
  std::vector<std::string> Glosses() const { return Texts(controller_->View().keypad.glosses); }
  // The previews of stroke key d (1-6), empty ones included.
  std::vector<std::string> Previews(int d) const {
    const auto& all = controller_->View().keypad.previews;
    const auto first = all.begin() + (d - 1) * 4;
    return Texts(std::vector<std::string>(first, first + 4));
  }

  template <typename List>
  static std::vector<std::string> Texts(const List& gbk) {
    std::vector<std::string> out;
    for (const std::string& t : gbk) out.push_back(Utf8(t));
    return out;
  }

  static constexpr int kWang = 5;  // 王, the fifth character added
  int zhong_ = 0, guo_ = 0, ren_ = 0;
};

TEST_F(KeypadRules, StrokesShowFourCaptionsWithGlossesAndPreviews) {
  SrfState.ShowEnglish = 0;  // keypad glosses are shown all the same
  Pad("1");
  EXPECT_EQ(Input(), "1");
  EXPECT_EQ(Utf8(controller_->View().label11), "1");
  EXPECT_TRUE(controller_->View().panelKXVisible);
  EXPECT_FALSE(controller_->View().panelPYVisible);
  EXPECT_THAT(Labels(), ElementsAre("一", "二", "三", "十"));  // no "1: " numbering
  EXPECT_THAT(Glosses(), ElementsAre("one", "", "", ""));
  // Beyond the first page: 王 and 干 go on with 1, 土 and 工 with 2, 大 with 3.
  EXPECT_THAT(Previews(1), ElementsAre("王", "干", "", ""));
  EXPECT_THAT(Previews(2), ElementsAre("土", "工", "", ""));
  EXPECT_THAT(Previews(3), ElementsAre("大", "", "", ""));
  EXPECT_THAT(Previews(4), Each(""));

  Pad("2");  // 十 was on the first page, but 12 is its whole code: it keeps its place
  EXPECT_THAT(Labels(), ElementsAre("十", "土", "工", ""));
  EXPECT_THAT(controller_->View().keypad.previews, Each(""));
  EXPECT_EQ(Output(), "");  // the pad digits' characters write nothing
}

TEST_F(KeypadRules, PadZeroSevenEightNineChooseTheFourSlots) {
  Pad("10");
  Pad("17");
  Pad("18");
  Pad("19");
  EXPECT_EQ(Output(), "一二三十");
  EXPECT_EQ(Input(), "");
  // None of them starts a word: the bar closes after each choice.
  EXPECT_FALSE(controller_->View().panelKXVisible);
  EXPECT_EQ(SrfState.CandidateCount, 0);
}

TEST_F(KeypadRules, PlusAndMinusPageOnePageAtATime) {
  Pad("1+");
  EXPECT_EQ(SrfState.PageIndex, 1);
  EXPECT_THAT(Labels(), ElementsAre("王", "干", "土", "工"));
  Pad("++");
  EXPECT_EQ(SrfState.PageIndex, 2);  // the last page: 大 alone
  EXPECT_THAT(Labels(), ElementsAre("大", "", "", ""));
  // The pad's minus is also the '-' character; it pages back once, not twice.
  Pad("-");
  EXPECT_EQ(SrfState.PageIndex, 1);
  // The previews belong to the input's first page and survive paging.
  EXPECT_THAT(Previews(1), ElementsAre("王", "干", "", ""));
  Pad("--");
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_EQ(Output(), "");
}

TEST_F(KeypadRules, MainRowEqualsAndMinusPageOnAndBack) {
  Type("{KP1}==");
  EXPECT_EQ(SrfState.PageIndex, 2);
  Type("-");
  EXPECT_EQ(SrfState.PageIndex, 1);
  EXPECT_THAT(Labels(), ElementsAre("王", "干", "土", "工"));
  Type("--");
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_EQ(Output(), "");  // no mark is written while candidates are shown
}

TEST_F(KeypadRules, PadPointDeletesAStrokeAndTheLastOneClosesTheBar) {
  Pad("12+.");
  EXPECT_EQ(Input(), "1");
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_THAT(Labels(), ElementsAre("一", "二", "三", "十"));
  Pad(".");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelKXVisible);
  EXPECT_FALSE(controller_->View().panel2Visible);
  EXPECT_EQ(Output(), "");  // the main-row '.' of the same key writes nothing either
}

TEST_F(KeypadRules, SlashAndStarGiveTheMarkPages) {
  Pad("12/");
  EXPECT_EQ(Input(), "/");
  EXPECT_THAT(Labels(), ElementsAre("，", "、", "：", "．"));
  Pad("++");
  EXPECT_THAT(Labels(), ElementsAre("【", "】", "｛", "｝"));
  Pad("*");
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_THAT(Labels(), ElementsAre("。", "；", "？", "！"));
  EXPECT_EQ(Output(), "");
  Pad("8");
  EXPECT_EQ(Output(), "？");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelKXVisible);  // a mark starts no word
}

TEST_F(KeypadRules, MarkAfterFollowOnWordsClosesTheBar) {
  Pad("20");
  ASSERT_GT(SrfState.AssociationCount, 0);
  Pad("/0");
  EXPECT_EQ(Output(), "中，");
  EXPECT_EQ(SrfState.CandidateCount, 0);
  EXPECT_FALSE(controller_->View().panelKXVisible);
}

TEST_F(KeypadRules, ChoosingACharacterOffersTheWordsBeginningWithIt) {
  Pad("2");
  EXPECT_THAT(Labels(), ElementsAre("中", "口", "国", ""));
  Pad("0");
  EXPECT_EQ(Output(), "中");
  EXPECT_EQ(Input(), "");
  EXPECT_TRUE(controller_->View().panelKXVisible);
  EXPECT_THAT(Labels(), ElementsAre("中国", "中国人", "", ""));
  EXPECT_THAT(Glosses(), ElementsAre("China", "", "", ""));
  EXPECT_THAT(CandidateOutputs(), ElementsAre("国", "国人"));
  Pad("7");
  EXPECT_EQ(Output(), "中国人");
  // A stroke after the follow-on words starts a new input at page 0.
  Pad("3");
  EXPECT_EQ(Input(), "3");
  EXPECT_EQ(SrfState.AssociationCount, 0);
  EXPECT_THAT(Labels(), ElementsAre("八", "人", "", ""));
}

TEST_F(KeypadRules, WordTypedByStrokesCompletesFromTheThirdStroke) {
  Pad("25");
  Pad("2");  // 中's first two strokes, then 国's first
  EXPECT_THAT(CandidateTexts(), ElementsAre("中国", "中国人"));
  EXPECT_EQ(controller_->View().keypad.glosses[0], "China");
  Pad("0");
  EXPECT_EQ(Output(), "中国");
  // 中国 continues only in 中国人.
  EXPECT_THAT(CandidateTexts(), ElementsAre("中国人"));
  EXPECT_THAT(CandidateOutputs(), ElementsAre("人"));
}

// A character matched through a code variant (a code-variant kind) is a single character for the
// chain of chosen characters, for the follow-on prefix and for learning.
TEST_F(KeypadRules, VariantMatchContinuesTheChainOfChosenCharacters) {
  Pad("20");  // 中: follow-on words 中国, 中国人
  Pad("6");   // 国 through its variant code
  ASSERT_EQ(Utf8(SrfState.CandidateTexts[0]), "国");
  ASSERT_EQ(SrfState.CandidateKinds[0], CodeVariantKind(1));
  Pad("0");
  EXPECT_EQ(Output(), "中国");
  EXPECT_THAT(CandidateTexts(), ElementsAre("国王"));  // the words of 国 itself
  EXPECT_THAT(CandidateOutputs(), ElementsAre("王"));
  // 中国 continues in 中国人, so 人 is predicted ahead of 八 for the next stroke.
  Pad("3");
  EXPECT_THAT(Labels(), ElementsAre("人", "八", "", ""));
}

TEST_F(KeypadRules, VariantMatchesCountAsCharactersForLearning) {
  Pad("60");  // 国, through its variant code
  Pad("67");  // 民, through its variant code
  EXPECT_EQ(Output(), "国民");
  const int learned = SrfState.LearnCount;
  Type(",");  // the mark ends the phrase of two characters, which is remembered
  ASSERT_EQ(SrfState.LearnCount, learned + 1);
  EXPECT_EQ(SrfState.LearnLengths[learned], 2);
}

TEST_F(KeypadRules, LettersAreWrittenAndDigitsLeftToThePad) {
  Type("aB5+");
  EXPECT_EQ(Output(), "a B ");
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(SrfState.CandidateCount, 0);
}

TEST_F(KeypadRules, InputStopsAtTheLimit) {
  Pad(std::string(static_cast<std::size_t>(kKeypadInputLimit) + 6, '1'));
  EXPECT_EQ(Input(), std::string(static_cast<std::size_t>(kKeypadInputLimit), '1'));
  EXPECT_EQ(Utf8(controller_->View().label11), std::string(15, '1'));
  EXPECT_EQ(SrfState.CandidateCount, 0);
  Pad(".");
  EXPECT_EQ(Input().size(), static_cast<std::size_t>(kKeypadInputLimit) - 1);
}

TEST_F(KeypadRules, MethodSwitchKeepsTheClassAndDropsTheShownCandidates) {
  controller_->Label14Click();  // back to pinyin, class simplified
  controller_->Label15Click();
  ASSERT_EQ(SrfState.MethodClass, 1);
  controller_->Label14Click();
  EXPECT_EQ(SrfState.MethodClass, 4);
  EXPECT_EQ(controller_->View().statusBar.label15, captions::Traditional());
  Pad("1");  // only the traditional set is offered
  EXPECT_THAT(Labels(), ElementsAre("丰", "", "", ""));

  controller_->Label14Click();
  EXPECT_EQ(SrfState.MethodClass, 1);
  EXPECT_EQ(SrfState.CandidatesPerPage, 10);
  EXPECT_EQ(Input(), "");
  // The keypad page belonged to the dropped input: nothing is left to choose.
  EXPECT_EQ(SrfState.CandidateCount, 0);
  EXPECT_FALSE(controller_->View().panelKXVisible);
  Type(" 1");
  EXPECT_EQ(Output(), "1 ");
}

TEST_F(KeypadRules, ThreeClassClicksReturnToTheStartInTheKeypadMethod) {
  const std::string start = controller_->View().statusBar.label15;
  ASSERT_EQ(SrfState.MethodClass, 3);
  controller_->Label15Click();
  EXPECT_EQ(SrfState.MethodClass, 4);
  controller_->Label15Click();
  EXPECT_EQ(SrfState.MethodClass, 5);
  EXPECT_EQ(controller_->View().statusBar.label15, captions::Variant());
  Pad("25");  // 中 is in the variant set, but its dictionary words are not offered
  EXPECT_THAT(CandidateTexts(), ElementsAre("中"));
  controller_->Label15Click();
  EXPECT_EQ(SrfState.MethodClass, 3);
  EXPECT_EQ(controller_->View().statusBar.label15, start);
  EXPECT_EQ(Input(), "25");  // the class switch leaves the input alone
}

TEST_F(KeypadRules, KeypadButtonWhileInTheKeypadMethod) {
  using Button = PracticeController::MethodButton;
  Pad("1");
  const int requests = controller_->View().help.topicRequests;
  controller_->SpeedButtonKXClick(Button::Keypad);
  EXPECT_EQ(SrfState.MethodClass, 3);
  EXPECT_EQ(SrfState.CandidatesPerPage, 4);
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(controller_->View().help.topicRequests, requests + 1);
  EXPECT_EQ(controller_->View().statusBar.label14, captions::KeypadMethod());
  Pad("0");  // the dropped page cannot be chosen from
  EXPECT_EQ(Output(), "");
}

TEST_F(KeypadRules, PagesHoldFourKeypadOrTenPinyinCandidates) {
  Pad("1");
  EXPECT_EQ(SrfState.CandidatesPerPage, 4);
  EXPECT_EQ(SrfState.CandidateCount, 4);
  controller_->SpeedButtonKXClick(PracticeController::MethodButton::Pinyin);
  Type("a");
  EXPECT_EQ(SrfState.CandidatesPerPage, 10);
  EXPECT_EQ(SrfState.CandidateCount, 9);
}

}  // namespace
}  // namespace dazi::testing
