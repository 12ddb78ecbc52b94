// Long runs of random keys, commands and switches through the console on the generated
// dictionaries: nothing may fault (the suite runs under the sanitizers), every answer must be
// JSON, and the engine record must keep within its tables after every line.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/controller/JsonCheck.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/ViewState.h"

namespace dazi {
namespace {

const char* const kTokens[] = {"{Enter}", "{Esc}", "{Back}", "{Left}",   "{PgUp}", "{PgDn}",
                               "{KP0}",   "{KP1}", "{KP2}",  "{KP3}",    "{KP4}",  "{KP5}",
                               "{KP6}",   "{KP7}", "{KP8}",  "{KP9}",    "{KP*}",  "{KP+}",
                               "{KP-}",   "{KP.}", "{KP/}",  "{LBrace}", "{Ctrl}"};
const char* const kCommands[] = {":method", ":pinyin",      ":keypad",     ":class",  ":punct",
                                 ":dict",   ":settings 25", ":settings 0", ":reload", ":clear"};
constexpr const char kPunctuation[] = ",.;:!?'\"()<>[]^_=-\\/`~@#$%&*+|";

std::string RandomLine(std::mt19937& rng) {
  auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
  if (below(20) == 0) return kCommands[below(std::size(kCommands))];
  std::string line;
  for (std::size_t k = 1 + below(30); k > 0; --k) {
    const std::size_t kind = below(20);
    if (kind < 12)
      line += static_cast<char>('a' + below(26));
    else if (kind < 15)
      line += " 0123456789"[below(11)];
    else if (kind < 17)
      line += kPunctuation[below(sizeof kPunctuation - 1)];
    else
      line += kTokens[below(std::size(kTokens))];
  }
  return line;
}

void ExpectWithinTables() {
  const TLumiskCand& s = SrfState;
  ASSERT_GE(s.MethodClass, 0);
  ASSERT_LE(s.MethodClass, 5);
  const bool pinyin = MethodOf(s.MethodClass) == InputMethod::Pinyin;
  ASSERT_EQ(s.CandidatesPerPage, pinyin ? 10 : 4);
  ASSERT_GE(s.CandidateCount, 0);
  ASSERT_LE(s.CandidateCount, s.CandidatesPerPage);
  ASSERT_LE(s.ResultCount, kResultCapacity);
  ASSERT_LE(s.LookupCount, kLookupCapacity);
  ASSERT_LE(s.WordPoolCount, kWordPoolCapacity);
  ASSERT_LE(s.WordResultCount, kWordPoolCapacity);
  ASSERT_LE(s.AssociationCount, kAssociationCapacity);
  ASSERT_LE(s.CollectedCodeCount, kCollectedCapacity);
  ASSERT_LE(s.LearnCount, kLearnLimit);
  ASSERT_LE(s.SentenceCodeCount, kSentenceCapacity);
  ASSERT_LE(s.ChainLength, kChainCapacity);
  ASSERT_LE(static_cast<int>(s.InputText.size()), pinyin ? kMaxInputLetters : kKeypadInputLimit);
}

// The text box shows the practice text cut into lines of kMemoLineBytes, however it was
// written, overwritten in 英 or shortened; lines past its end are empty.
void ExpectLinesCutFromText(const PracticeController& controller) {
  const std::string& text = controller.OutputText();
  const std::vector<std::string>& lines = controller.View().memo1Lines;
  const std::size_t width = kMemoLineBytes;
  ASSERT_GT(lines.size(), text.size() / width);
  for (std::size_t i = 0; i < lines.size(); ++i)
    ASSERT_EQ(lines[i], i * width < text.size() ? text.substr(i * width, width) : "")
        << "line " << i;
}

TEST(RandomTyping, StaysWithinItsTablesAndAnswersEveryLine) {
  testing::TempDataFolder folder;
  if (std::string why = testing::LinkRealDictionaries(folder.Path()); !why.empty())
    GTEST_SKIP() << why;
  ASSERT_TRUE(LoadDictionaries().ok);
  console::ConsoleSession session;
  std::mt19937 rng(20261207);
  for (int i = 0; i < 1000; ++i) {
    const std::string line = RandomLine(rng);
    const std::string answer = session.HandleLine(line);
    ASSERT_TRUE(testing::IsValidJson(answer)) << line << "\n" << answer;
    ExpectWithinTables();
    ExpectLinesCutFromText(session.Controller());
    if (::testing::Test::HasFatalFailure()) FAIL() << "after line " << i << ": " << line;
  }
}

}  // namespace
}  // namespace dazi
