// The keypad method through the console on the generated dictionaries. The stroke sequences
// are read from the data, so the checks hold whichever stroke codes the build produced.
// Skipped when the dictionaries have not been built beside the test program.
#include <gmock/gmock.h>

#include <algorithm>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::testing {
namespace {

using ::testing::Each;
using ::testing::StartsWith;

constexpr int kPagesLookedAt = 3;

class KeypadRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>();
    session_->HandleLine(":keypad");
  }

  // The strokes of character utf8's main code, without the trailing zeros.
  static std::string Strokes(const std::string& utf8) {
    const std::string gbk = GbkFromUtf8(utf8);
    for (int32 n = 1; n <= SrfState.CharCount; ++n) {
      if (CharText(n) != gbk) continue;
      const std::string digits = StrokeString(ReadStrokeCode(n, 0));
      return digits.substr(0, digits.find('0'));
    }
    ADD_FAILURE() << utf8 << " is not in the character table";
    return {};
  }

  void TypeStrokes(const std::string& strokes) {
    std::string line;
    for (char d : strokes) line += "{KP" + std::string(1, d) + "}";
    session_->HandleLine(line);
  }

  std::vector<std::string> Page() const {
    std::vector<std::string> texts;
    for (int i = 0; i < SrfState.CandidateCount && i < kPageCapacity; ++i)
      texts.push_back(Utf8FromGbk(SrfState.CandidateTexts[i]));
    return texts;
  }

  // Pages on with the pad's + until utf8 is shown; its slot, or -1 after kPagesLookedAt pages.
  int FindOnFirstPages(const std::string& utf8) {
    for (int page = 0; page < kPagesLookedAt; ++page) {
      const std::vector<std::string> texts = Page();
      const auto slot = std::find(texts.begin(), texts.end(), utf8);
      if (slot != texts.end()) return static_cast<int>(slot - texts.begin());
      session_->HandleLine("{KP+}");
    }
    return -1;
  }

  // Chooses slot i (0-3) with the pad key 0, 7, 8 or 9.
  void ChooseSlot(int i) {
    session_->HandleLine(i == 0 ? "{KP0}" : "{KP" + std::to_string(6 + i) + "}");
  }

  std::string Output() const { return Utf8FromGbk(session_->Controller().OutputText()); }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
};

TEST_F(KeypadRealData, TypingZhongsStrokesOffersItOnTheFirstPage) {
  // As a user does: stroke after stroke until it is shown. (A character passed over at a
  // shorter input moves behind the others, so it need not be on the page of all its strokes.)
  const std::string strokes = Strokes("中");
  ASSERT_FALSE(strokes.empty());
  int slot = -1;
  for (std::size_t typed = 0; typed < strokes.size() && slot < 0; ++typed) {
    TypeStrokes(strokes.substr(typed, 1));
    const std::vector<std::string> texts = Page();
    const auto found = std::find(texts.begin(), texts.end(), "中");
    if (found != texts.end()) slot = static_cast<int>(found - texts.begin());
  }
  ASSERT_GE(slot, 0) << "strokes " << strokes;
  ChooseSlot(slot);
  EXPECT_EQ(Output(), "中");
  // The follow-on words begin with it.
  EXPECT_THAT(Page(), Each(StartsWith("中")));
}

TEST_F(KeypadRealData, WordTypedByTheWordRuleIsOfferedOnceItsStrokesAreComplete) {
  // The first character by its first two strokes, the last one by all of its strokes.
  const std::string han = Strokes("汉");
  const std::string zi = Strokes("字");
  ASSERT_GE(han.size(), 2U);
  ASSERT_FALSE(zi.empty());
  TypeStrokes(han.substr(0, 2) + zi);
  const int slot = FindOnFirstPages("汉字");
  ASSERT_GE(slot, 0) << "strokes " << han.substr(0, 2) << " + " << zi;
  ChooseSlot(slot);
  EXPECT_EQ(Output(), "汉字");
  // Only words that continue 汉字 follow; each writes what comes after it.
  EXPECT_THAT(Page(), Each(StartsWith("汉字")));
  for (int i = 0; i < SrfState.CandidateCount; ++i)
    EXPECT_THAT(Utf8FromGbk(SrfState.CandidateOutputs[i]), ::testing::Not(::testing::IsEmpty()));
}

}  // namespace
}  // namespace dazi::testing
