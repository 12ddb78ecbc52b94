// The statistical engine in use: chosen with the console's :sentence command, making the
// default sentence as the user types, corrected with the Left key like a rule-made one, and
// converting pinyin lines through dazi-console --convert with either engine.
#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/model/SentenceMethod.h"
#include "engine/sentence/ConvertSentence.h"
#include "engine/user/DataFolder.h"
#include "tests/controller/ControllerFixture.h"
#include "tests/model/TinyModel.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// On the typing dictionary (你 1, 尼 2, 好 3, 号 4, 中 5, 国 6, 人 7, 民 8): a model that
// prefers the rarer 尼 and 号, so its sentences differ from the rules'.
void WriteModel() {
  TinyModel m;
  m.Word({2}, "ni", 3);
  m.Word({1}, "ni", 8);
  m.Word({4}, "hao", 3);
  m.Word({3}, "hao", 8);
  m.Word({5, 6}, "zhong guo", 5);
  m.Word({5}, "zhong", 8);
  m.Word({6}, "guo", 8);
  m.Word({7, 8}, "ren min", 5);
  m.Write();
}

// The "default" field of a console report.
std::string DefaultOf(const std::string& report) {
  const std::string key = "\"default\":\"";
  const std::size_t at = report.find(key);
  if (at == std::string::npos) return "(none)";
  return report.substr(at + key.size(), report.find('"', at + key.size()) - at - key.size());
}

class ModelTyping : public ControllerTest {
 protected:
  void SetUp() override {
    Start(TypingDictionary());
    WriteModel();
    ASSERT_TRUE(LoadSentenceModel());
    session_ = std::make_unique<console::ConsoleSession>();
  }
  void TearDown() override {
    UnloadSentenceModel();
    SetSentenceMethod(SentenceMethod::kRules);
  }

  std::string Line(const std::string& line) { return session_->HandleLine(line); }
  std::string SessionOutput() const { return Utf8(session_->Controller().OutputText()); }

  // Runs dazi-console on the folder with args and input lines; returns its output lines.
  std::vector<std::string> RunProgram(const std::string& args, const std::string& input) {
    std::ofstream(folder_.File("input.txt")) << input;
    const std::string command = ExecutableFolder() + "/dazi-console --data " +
                                folder_.Path().string() + " " + args + " < " +
                                folder_.File("input.txt");
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::vector<std::string> lines;
    if (!pipe) return lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
      std::string line(buffer);
      if (!line.empty() && line.back() == '\n') line.pop_back();
      lines.push_back(line);
    }
    exitStatus_ = pclose(pipe);
    return lines;
  }

  std::unique_ptr<console::ConsoleSession> session_;
  int exitStatus_ = -1;
};

TEST_F(ModelTyping, TheChosenEngineMakesTheDefaultSentence) {
  const std::string byRules = DefaultOf(Line("nihaozhongguo"));
  EXPECT_NE(byRules, "尼号中国");

  Line("{Esc}");
  EXPECT_THAT(Line(":sentence model"), StartsWith("{\"input\":"));
  EXPECT_EQ(folder_.ReadBytes(kSentenceMethodFile), std::string(1, '\1'));
  EXPECT_EQ(DefaultOf(Line("nihaozhongguo")), "尼号中国");
  Line(" ");
  EXPECT_EQ(SessionOutput(), "尼号中国");

  // The traditional class keeps the rules.
  Line(":class");
  EXPECT_NE(DefaultOf(Line("nihaozhongguo")), "尼号中国");
  Line("{Esc}");
  Line(":class");  // variant
  Line(":class");  // simplified again

  EXPECT_THAT(Line(":sentence rules"), StartsWith("{\"input\":"));
  EXPECT_EQ(folder_.ReadBytes(kSentenceMethodFile), std::string(1, '\0'));
  EXPECT_EQ(DefaultOf(Line("nihaozhongguo")), byRules);

  EXPECT_THAT(Line(":sentence"), StartsWith("{\"error\":"));
  EXPECT_THAT(Line(":sentence smart"), StartsWith("{\"error\":"));
  UnloadSentenceModel();
  EXPECT_THAT(Line(":sentence model"), StartsWith("{\"error\":"));
}

// The Left key cuts the first syllable off the model's sentence as off a rule-made one; once
// it is chosen, the model converts the rest again and Space writes it.
TEST_F(ModelTyping, LeftCorrectsAModelMadeSentence) {
  Line(":sentence model");
  EXPECT_THAT(Line("nihaozhongguo"), HasSubstr("\"default\":\"尼号中国\""));
  const std::string split = Line("{Left}");
  EXPECT_THAT(split, HasSubstr("\"input\":\"ni\""));
  EXPECT_THAT(split, HasSubstr("\"remaining\":\"haozhongguo\""));
  const std::vector<std::string> texts = CandidateTexts();
  const auto you = std::find(texts.begin(), texts.end(), "你");
  ASSERT_NE(you, texts.end());
  EXPECT_THAT(Line(std::to_string(1 + (you - texts.begin()))), HasSubstr("\"default\":\"号中国\""));
  Line(" ");
  EXPECT_EQ(SessionOutput(), "你号中国");
}

// A sentence corrected twice is saved, and the model builds the next sentence on it at once.
TEST_F(ModelTyping, ASavedCorrectionIsUsedByTheModelAtOnce) {
  auto choose = [this](const std::string& text) {
    const std::vector<std::string> texts = CandidateTexts();
    const auto at = std::find(texts.begin(), texts.end(), text);
    ASSERT_NE(at, texts.end()) << text;
    Line(std::to_string(1 + (at - texts.begin())));
  };
  Line(":sentence model");
  Line("nihaozhongguo");
  Line("{Left}");
  choose("你");
  Line("{Left}");
  choose("好");
  Line(" ,");
  Line("nihaozhongguo");
  choose("你好中国");
  Line(",");
  ASSERT_EQ(SessionOutput(), "你好中国, 你好中国, ");
  EXPECT_EQ(DefaultOf(Line("nihaozhongguoni")), "你好中国尼");
}

TEST_F(ModelTyping, ConsoleConvertsLinesWithEitherEngine) {
  const std::string input = "nihao zhongguo\nNi'Hao\n\nrenmin\n";
  const std::vector<std::string> model = RunProgram("--convert --sentence model", input);
  EXPECT_EQ(exitStatus_, 0);
  EXPECT_THAT(model, ::testing::ElementsAre("尼号中国", "尼号", "", "人民"));

  ConvertSentence("nihaozhongguo");
  const std::string rulesFirst = Utf8(SrfState.DefaultSentence);
  const std::vector<std::string> rules = RunProgram("--convert --sentence rules", input);
  EXPECT_EQ(exitStatus_, 0);
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_EQ(rules[0], rulesFirst);
  EXPECT_NE(rules[0], model[0]);

  // Without --sentence the stored choice holds.
  Line(":sentence model");
  EXPECT_THAT(RunProgram("--convert", "nihao\n"), ::testing::ElementsAre("尼号"));

  std::remove("srf_pub.ngm");
  const std::vector<std::string> none = RunProgram("--convert --sentence model", input);
  EXPECT_NE(exitStatus_, 0);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace dazi::testing
