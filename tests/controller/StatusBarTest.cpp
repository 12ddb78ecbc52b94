// Status-bar switches, settings acceptance, and the small layout and punctuation rules.
#include <gmock/gmock.h>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "tests/controller/ControllerFixture.h"
#include "ui/controller/CandidateLayout.h"
#include "ui/controller/Captions.h"
#include "ui/controller/Punctuation.h"

namespace dazi::testing {
namespace {

using StatusBar = ControllerTest;

TEST_F(StatusBar, MethodSwitchKeepsTheClassAndEmptiesTheInput) {
  controller_->Label15Click();
  ASSERT_EQ(SrfState.MethodClass, 1);
  Type("ni");
  controller_->Label14Click();
  const StatusBarView& bar = controller_->View().statusBar;
  EXPECT_EQ(SrfState.MethodClass, 4);
  EXPECT_EQ(SrfState.CandidatesPerPage, 4);
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(bar.label14, captions::KeypadMethod());
  EXPECT_EQ(bar.comboBox1Index, 1);
  EXPECT_TRUE(controller_->View().help.keypadTreeVisible);
  controller_->Label14Click();
  EXPECT_EQ(SrfState.MethodClass, 1);
  EXPECT_EQ(SrfState.CandidatesPerPage, 10);
  EXPECT_EQ(bar.label14, captions::PinyinMethod());
  EXPECT_EQ(bar.label15, captions::Traditional());
  EXPECT_FALSE(controller_->View().help.keypadTreeVisible);
}

TEST_F(StatusBar, MethodButtonsSelectTheirMethodWhateverIsActive) {
  using Button = PracticeController::MethodButton;
  controller_->SpeedButtonKXClick(Button::Keypad);
  ASSERT_EQ(SrfState.MethodClass, 3);
  const int requests = controller_->View().help.topicRequests;
  controller_->SpeedButtonKXClick(Button::Keypad);
  EXPECT_EQ(SrfState.MethodClass, 3);
  EXPECT_EQ(SrfState.CandidatesPerPage, 4);
  EXPECT_EQ(controller_->View().help.topicRequests, requests + 1);  // topic shown again
  controller_->SpeedButtonKXClick(Button::Pinyin);
  controller_->SpeedButtonKXClick(Button::Pinyin);
  EXPECT_EQ(SrfState.MethodClass, 0);
}

TEST_F(StatusBar, ClassCycleReturnsAfterThreeClicks) {
  const std::string start = controller_->View().statusBar.label15;
  controller_->Label15Click();
  controller_->Label15Click();
  EXPECT_EQ(SrfState.MethodClass, 2);
  EXPECT_EQ(controller_->View().statusBar.label15, captions::Variant());
  controller_->Label15Click();
  EXPECT_EQ(SrfState.MethodClass, 0);
  EXPECT_EQ(controller_->View().statusBar.label15, start);
}

TEST_F(StatusBar, SettingsAcceptanceStoresOnlyTheActiveBits) {
  ASSERT_TRUE(controller_->AcceptSettings(0xFF));
  EXPECT_EQ(folder_.ReadBytes("srf_pykx.set"), std::string(1, '\x19'));
  ASSERT_TRUE(controller_->AcceptSettings(0x08));
  EXPECT_EQ(folder_.ReadBytes("srf_pykx.set"), std::string(1, '\x08'));
  EXPECT_EQ(SrfState.AutoAssociate, 0);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_EQ(SrfState.ShowDictionary, 0);
}

TEST(CandidateLayout, GlossPositionRoundsHalfToEven) {
  EXPECT_EQ(GlossLeft(0), 118);
  EXPECT_EQ(GlossLeft(10), 118);
  EXPECT_EQ(GlossLeft(11), 99 + 27);   // 99.22
  EXPECT_EQ(GlossLeft(12), 108 + 27);  // 108.24
  EXPECT_EQ(GlossLeft(25), 226 + 27);  // 225.5 goes up to even
  EXPECT_EQ(GlossLeft(75), 676 + 27);  // 676.5 stays on even
  EXPECT_EQ(GlossLeft(14), 126 + 27);  // 126.28
}

TEST(CandidateLayout, SlotPrefixesAndInputDisplay) {
  EXPECT_EQ(SlotPrefix(0), "1: ");
  EXPECT_EQ(SlotPrefix(8), "9: ");
  EXPECT_EQ(SlotPrefix(9), "0: ");
  EXPECT_EQ(InputDisplay("abcdefghijklmnopq"), "cdefghijklmnopq");
  EXPECT_EQ(ShortenForEnglish("0123456789"), "0123456789");
  EXPECT_EQ(ShortenForEnglish("0123456789a"), "01234567" + captions::Ellipsis());
}

TEST(PunctuationKeys, EveryAsciiPunctuationKeyHasOneFullWidthCharacter) {
  int keys = 0;
  for (int c = 0; c < 128; ++c) {
    const char key = static_cast<char>(c);
    if (!IsPunctuationKey(key)) {
      EXPECT_EQ(FullWidthSymbols(key), "") << c;
      continue;
    }
    ++keys;
    EXPECT_EQ(FullWidthSymbols(key).size(), 2u) << key;
  }
  EXPECT_EQ(keys, 32);
  EXPECT_EQ(Utf8(FullWidthSymbols('$')), "￥");
  EXPECT_EQ(Utf8(FullWidthSymbols('*')), "×");
  EXPECT_EQ(Utf8(FullWidthSymbols('/')), "、");
}

TEST(PunctuationKeys, QuoteBitsAlternateIndependently) {
  std::int32_t state = 0;
  EXPECT_EQ(Utf8(PairedQuote('"', state)), "“");
  EXPECT_EQ(state, 2);
  EXPECT_EQ(Utf8(PairedQuote('\'', state)), "’");
  EXPECT_EQ(state, 3);
  EXPECT_EQ(Utf8(PairedQuote('"', state)), "”");
  EXPECT_EQ(state, 1);
  EXPECT_EQ(Utf8(PairedQuote('\'', state)), "‘");
  EXPECT_EQ(state, 0);
}

// Aimed at a mark, the quote key of its kind writes it next, whatever the other key's turn.
TEST(PunctuationKeys, AimedQuoteKeyWritesTheMarkAimedAt) {
  for (const char* mark : {"“", "”", "‘", "’"}) {
    for (std::int32_t state = 0; state < 4; ++state) {
      std::int32_t aimed = state;
      AimQuote(GbkFromUtf8(mark), aimed);
      const char key = QuoteKeyOf(GbkFromUtf8(mark));
      EXPECT_EQ(aimed & (key == '"' ? 1 : 2), state & (key == '"' ? 1 : 2)) << mark;
      EXPECT_EQ(Utf8(PairedQuote(key, aimed)), mark) << state;
    }
  }
  std::int32_t state = 3;
  AimQuote(GbkFromUtf8("，"), state);  // not a quotation mark: left alone
  EXPECT_EQ(state, 3);
  EXPECT_EQ(Utf8(FullWidthFor('"', GbkFromUtf8("”"))), "”");
  EXPECT_EQ(Utf8(FullWidthFor('"', GbkFromUtf8("，"))), "“");
  EXPECT_EQ(Utf8(FullWidthFor(',', GbkFromUtf8("，"))), "，");
}

}  // namespace
}  // namespace dazi::testing
