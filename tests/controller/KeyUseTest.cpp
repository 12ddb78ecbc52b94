// What the controller reports about each key, where its chosen text goes, and the reset for a
// change of text field: the contract an input-method host relies on to pass keys back to the
// program and to commit text without the practice text's padding.
#include <gmock/gmock.h>

#include "engine/core/Unit_Data.h"
#include "tests/controller/ControllerFixture.h"

namespace dazi::testing {
namespace {

using KeyUse = PracticeController::KeyUse;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class KeyUseTest : public ControllerTest {
 protected:
  // Types before with TypeKey, then the one key of last; returns what last did.
  KeyUse After(const std::string& before, const std::string& last) {
    TypeKeys(before);
    const keys::ParsedKeys parsed = keys::ParseKeys(last);
    EXPECT_EQ(parsed.keys.size(), 1u) << last;
    return parsed.keys.empty() ? KeyUse::Passed : controller_->TypeKey(parsed.keys[0]);
  }
  void TypeKeys(const std::string& line) {
    for (const keys::KeyEvent& key : keys::ParseKeys(line).keys) controller_->TypeKey(key);
  }
  void SendToSink() {
    controller_->SetOutputSink([this](const std::string& gbk) { sunk_.push_back(Utf8(gbk)); });
  }
  std::vector<std::string> sunk_;
};

struct KeyCase {
  bool keypad;
  const char* before;
  const char* key;
  KeyUse use;
};

TEST_F(KeyUseTest, KeysAreTakenOnlyWhenTheyActOnTheInputMethod) {
  const KeyCase cases[] = {
      {false, "", "n", KeyUse::Taken},
      {false, "", "N", KeyUse::Passed},  // capitals are the program's
      {false, "ni", "N", KeyUse::Passed},
      {false, "", "1", KeyUse::Passed},  // nothing to choose: the digit itself
      {false, "ni", "1", KeyUse::Taken},
      {false, "", "0", KeyUse::Passed},
      {false, "", " ", KeyUse::Passed},
      {false, "ni", " ", KeyUse::Taken},
      {false, "", "{Back}", KeyUse::Passed},
      {false, "n", "{Back}", KeyUse::Taken},
      {false, "", "{Enter}", KeyUse::Passed},
      {false, "ni", "{Enter}", KeyUse::Taken},
      {false, "", "{Esc}", KeyUse::Passed},
      {false, "ni", "{Esc}", KeyUse::Taken},
      {false, "", "{PgDn}", KeyUse::Passed},
      {false, "ni", "{PgUp}", KeyUse::Taken},
      {false, "", "{Left}", KeyUse::Passed},
      {false, "", ",", KeyUse::Passed},  // an ASCII mark with nothing pending
      {false, "ni", ",", KeyUse::Taken},
      {false, "ni", "=", KeyUse::Taken},
      {true, "", "1", KeyUse::Passed},  // main-row digits in the keypad method
      {true, "", "{KP1}", KeyUse::Taken},
      {true, "{KP1}", "{KP.}", KeyUse::Taken},
      {true, "", "{KP.}", KeyUse::Passed},
      {true, "", "{KP0}", KeyUse::Passed},
      {true, "", "{KP+}", KeyUse::Passed},
      {true, "", "a", KeyUse::Passed},
  };
  for (const KeyCase& c : cases) {
    ResetEngineState();
    Start(TypingDictionary());
    if (c.keypad) controller_->Label14Click();
    EXPECT_EQ(After(c.before, c.key), c.use)
        << (c.keypad ? "keypad: " : "pinyin: ") << '"' << c.before << "\" then " << c.key;
  }
  controller_->Label17Click();  // full-width marks: written by the method, not the program
  EXPECT_EQ(After("", ","), KeyUse::Taken);
}

TEST_F(KeyUseTest, ChosenTextGoesToTheSinkUnpaddedAndPassedKeysNowhere) {
  SendToSink();
  TypeKeys("nihao ");
  TypeKeys("1");           // nothing shown: the program types the digit itself
  TypeKeys("zzz{Enter}");  // the letters, three bytes, without a padding blank
  TypeKeys("{Back}");
  EXPECT_THAT(sunk_, ElementsAre("你好", "zzz"));
  EXPECT_EQ(controller_->OutputText(), "");
}

TEST_F(KeyUseTest, WithoutASinkThePracticeTextShowsChosenAndPassedKeys) {
  TypeKeys("nihao 1zzz{Enter}");
  EXPECT_EQ(Output(), "你好1 zzz ");
}

TEST_F(KeyUseTest, ResetDropsTheInputAndTheFollowOnWords) {
  SendToSink();
  TypeKeys("ni");
  controller_->ResetComposition();
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(After("", " "), KeyUse::Passed);

  TypeKeys("zhong ");  // 中, then its follow-on words
  ASSERT_THAT(CandidateTexts(), ::testing::Not(IsEmpty()));
  controller_->ResetComposition();
  EXPECT_THAT(CandidateTexts(), IsEmpty());
  EXPECT_EQ(After("", "1"), KeyUse::Passed);
  EXPECT_THAT(sunk_, ElementsAre("中"));
  EXPECT_FALSE(controller_->View().panel2Visible || controller_->View().panelPYVisible);
}

}  // namespace
}  // namespace dazi::testing
