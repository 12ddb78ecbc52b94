// The keypad method through the console on the generated dictionaries. The stroke sequences
// are read from the data, so the checks hold whichever stroke codes the build produced.
// Skipped when the dictionaries have not been built beside the test program.
#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "engine/core/CandidateKinds.h"
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

  // Character number of utf8, or 0.
  static int32 Number(const std::string& utf8) {
    const std::string gbk = GbkFromUtf8(utf8);
    for (int32 n = 1; n <= SrfState.CharCount; ++n)
      if (CharText(n) == gbk) return n;
    return 0;
  }

  // The strokes of character n's main code, without the trailing zeros.
  static std::string Strokes(int32 n) {
    const std::string digits = StrokeString(ReadStrokeCode(n, 0));
    return digits.substr(0, digits.find('0'));
  }

  static std::string Strokes(const std::string& utf8) {
    const int32 n = Number(utf8);
    if (n == 0) ADD_FAILURE() << utf8 << " is not in the character table";
    return n == 0 ? std::string() : Strokes(n);
  }

  // Position of character n among the character results, or -1.
  static int ResultPosition(int32 n) {
    for (int k = 0; k < SrfState.ResultCount && k < kResultCapacity; ++k)
      if (SrfState.ResultIds[k] == n && IsKeypadCharacterKind(SrfState.ResultKinds[k])) return k;
    return -1;
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

// A typist who knows a code types it stroke by stroke to its end: the character it is the whole
// code of must not have been pushed back for being shown one stroke earlier. The help's
// examples 向 (撇竖折…) and 打 (横折 横…) are both shown before their codes are complete.
TEST_F(KeypadRealData, HelpExamplesTypedByTheirWholeCodesAreOnTheFirstPage) {
  const std::pair<const char*, const char*> examples[] = {{"向", "325"}, {"打", "151"}};
  for (const auto& [text, taught] : examples) {
    const std::string code = Strokes(text);
    ASSERT_TRUE(code.starts_with(taught)) << text << " " << code;
    session_->HandleLine("{Esc}");
    TypeStrokes(code);
    EXPECT_THAT(Page(), ::testing::Contains(text)) << code;
  }
}

// Typed only as far as the help teaches, stroke by stroke without a look at the bar, the
// example is passed over one stroke before; it must wait on the next page, not far behind.
TEST_F(KeypadRealData, HelpExamplesTypedAsTaughtAreOnTheFirstTwoPages) {
  constexpr int kTwoPages = 8;
  for (const auto& [text, taught] : {std::pair{"向", "325"}, std::pair{"打", "151"}}) {
    session_->HandleLine("{Esc}");
    TypeStrokes(taught);
    const int position = ResultPosition(Number(text));
    EXPECT_GE(position, 0) << text;
    EXPECT_LT(position, kTwoPages) << text;
  }
}

TEST_F(KeypadRealData, FrequentCharactersTypedByTheirWholeCodeAreOnTheFirstTwoPages) {
  constexpr std::size_t kCharacters = 300;
  constexpr int kTwoPages = 8;
  std::ifstream junDa(DAZI_JUNDA_FILE);
  ASSERT_TRUE(junDa) << DAZI_JUNDA_FILE;
  std::vector<int32> chars;
  std::string line;
  while (chars.size() < kCharacters && std::getline(junDa, line)) {
    std::istringstream fields(line);
    std::string rank, utf8;
    if (!std::getline(fields, rank, '\t') || !std::getline(fields, utf8, '\t')) continue;
    const int32 n = Number(utf8);
    if (n != 0 && !Strokes(n).empty()) chars.push_back(n);
  }
  ASSERT_EQ(chars.size(), kCharacters);
  std::string missed;
  std::size_t found = 0;
  for (int32 n : chars) {
    session_->HandleLine("{Esc}");
    TypeStrokes(Strokes(n));
    const int position = ResultPosition(n);
    if (position >= 0 && position < kTwoPages)
      ++found;
    else
      missed += " " + Utf8FromGbk(CharText(n)) + Strokes(n) + ":" + std::to_string(position);
  }
  EXPECT_GE(found * 100, kCharacters * 95) << "missed:" << missed;
}

TEST_F(KeypadRealData, PredictedCharacterStaysFirstAsItsStrokesAreTyped) {
  // After 他 the chain predicts 们 (他们), which 3 and then 3-2 must keep in front.
  const std::string ta = Strokes("他");
  ASSERT_FALSE(ta.empty());
  TypeStrokes(ta);
  const int slot = FindOnFirstPages("他");
  ASSERT_GE(slot, 0) << "strokes " << ta;
  ChooseSlot(slot);
  ASSERT_EQ(Output(), "他");
  const std::string men = Strokes("们");
  ASSERT_GE(men.size(), 2U);
  for (std::size_t typed = 1; typed <= 2; ++typed) {
    TypeStrokes(men.substr(typed - 1, 1));
    ASSERT_FALSE(Page().empty());
    EXPECT_EQ(Page()[0], "们") << "strokes " << men.substr(0, typed);
  }
}

}  // namespace
}  // namespace dazi::testing
