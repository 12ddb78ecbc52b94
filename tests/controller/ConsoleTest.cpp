// The console: key tokens, the JSON lines, the line handler and the program itself.
#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "engine/core/Unit_Data.h"
#include "engine/user/DataFolder.h"
#include "tests/controller/ControllerFixture.h"
#include "tests/controller/JsonCheck.h"
#include "tools/console/ConsoleSession.h"
#include "tools/console/Json.h"
#include "ui/controller/KeyTokens.h"

namespace dazi::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(ConsoleKeys, PrintableCharactersMapToTheirUsKeys) {
  EXPECT_EQ(keys::VirtualKeyOf('a'), 65);
  EXPECT_EQ(keys::VirtualKeyOf('Z'), 90);
  EXPECT_EQ(keys::VirtualKeyOf('0'), 48);
  EXPECT_EQ(keys::VirtualKeyOf(' '), 32);
  // Shifted digits release their digit key, never a code that pages or deletes.
  EXPECT_EQ(keys::VirtualKeyOf('!'), 49);
  EXPECT_EQ(keys::VirtualKeyOf('%'), 53);
  EXPECT_EQ(keys::VirtualKeyOf('&'), 55);
  EXPECT_EQ(keys::VirtualKeyOf('\''), 222);
  EXPECT_EQ(keys::VirtualKeyOf('.'), 190);
  for (int c = 32; c < 127; ++c) {
    const int vk = keys::VirtualKeyOf(static_cast<char>(c));
    EXPECT_TRUE(vk == 32 || (vk >= 48 && vk <= 57) || (vk >= 65 && vk <= 90) || vk >= 186)
        << static_cast<char>(c) << " -> " << vk;
  }
  EXPECT_EQ(keys::VirtualKeyOf('\t'), 0);
}

TEST(ConsoleKeys, BraceTokensAndErrors) {
  const keys::ParsedKeys keys = keys::ParseKeys("a{Enter}{Left}{KP7}{KP.}{LBrace}");
  ASSERT_EQ(keys.error, "");
  ASSERT_EQ(keys.keys.size(), 6u);
  EXPECT_EQ(keys.keys[0].character, 'a');
  EXPECT_EQ(keys.keys[1].virtualKey, 13);
  EXPECT_EQ(keys.keys[2].character, keys::kNoCharacter);
  EXPECT_EQ(keys.keys[2].virtualKey, 37);
  EXPECT_EQ(keys.keys[3].character, '7');
  EXPECT_EQ(keys.keys[3].virtualKey, 103);
  EXPECT_EQ(keys.keys[4].virtualKey, 110);
  EXPECT_EQ(keys.keys[5].character, '{');

  EXPECT_THAT(keys::ParseKeys("ab{Nope}c").error, HasSubstr("{Nope}"));
  EXPECT_TRUE(keys::ParseKeys("ab{Nope}c").keys.empty());
  EXPECT_THAT(keys::ParseKeys("ab{Enter").error, HasSubstr("unterminated"));
  EXPECT_FALSE(keys::ParseKeys("a\tb").error.empty());
  EXPECT_FALSE(keys::ParseKeys("\xD6\xD0").error.empty());
}

TEST(ConsoleJson, LinesAreCompactOrderedAndEscaped) {
  const console::Json value = {{"s", "a\"b\\c\nd\x01"},
                               {"list", console::Json::array({-3, true, console::Json::object()})},
                               {"z", "中"}};
  EXPECT_EQ(console::JsonLine(value),
            "{\"s\":\"a\\\"b\\\\c\\nd\\u0001\",\"list\":[-3,true,{}],\"z\":\"中\"}");
}

// Text that is not valid UTF-8 (a GBK byte that slipped through, a path from the command
// line) must neither throw nor break the line: each bad byte becomes U+FFFD.
TEST(ConsoleJson, InvalidUtf8BecomesReplacementCharacters) {
  const std::string line = console::ErrorReport("bad \xFF\xD6 end");
  EXPECT_EQ(line, "{\"error\":\"bad \xEF\xBF\xBD\xEF\xBF\xBD end\"}");
  EXPECT_TRUE(IsValidJson(line)) << line;
}

class ConsoleLines : public ControllerTest {
 protected:
  void SetUp() override {
    ControllerTest::SetUp();
    session_ = std::make_unique<console::ConsoleSession>();
  }
  std::string Line(const std::string& line) {
    const std::string report = session_->HandleLine(line);
    EXPECT_TRUE(IsValidJson(report)) << report;
    return report;
  }
  std::unique_ptr<console::ConsoleSession> session_;
};

TEST_F(ConsoleLines, KeysReportTheStateAfterTheLine) {
  const std::string report = Line("ni");
  EXPECT_THAT(report, StartsWith("{\"input\":\"ni\",\"remaining\":\"\",\"method\":0,\"page\":0,"));
  EXPECT_THAT(report,
              HasSubstr("{\"text\":\"你\",\"output\":\"你\",\"gloss\":\"you\",\"kind\":0}"));
  EXPECT_THAT(report, HasSubstr("\"panels\":{\"input\":true,\"pinyin\":true,\"keypad\":false,"));
  EXPECT_THAT(report, HasSubstr("\"hint\":false"));
  EXPECT_THAT(report, HasSubstr("\"english\":false"));
  EXPECT_THAT(Line("1"), HasSubstr("\"output\":\"你\"}"));
}

TEST_F(ConsoleLines, UnknownTokensAndCommandsReportAnErrorAndChangeNothing) {
  Line("ni");
  EXPECT_EQ(Line("hao{Bogus}"), "{\"error\":\"unknown key token {Bogus}\"}");
  EXPECT_EQ(Line(":bogus"), "{\"error\":\"unknown command :bogus\"}");
  EXPECT_THAT(Line(":settings 256"), StartsWith("{\"error\":"));
  EXPECT_THAT(Line(":settings x"), StartsWith("{\"error\":"));
  EXPECT_THAT(Line(":clear now"), StartsWith("{\"error\":"));
  EXPECT_THAT(Line(""), StartsWith("{\"input\":\"ni\","));
}

TEST_F(ConsoleLines, CommandsDriveTheStatusBarAndSettings) {
  EXPECT_THAT(Line(":keypad"), HasSubstr("\"method\":3"));
  EXPECT_THAT(Line(":class"), HasSubstr("\"method\":4"));
  EXPECT_THAT(Line(":method"), HasSubstr("\"status\":{\"method\":\"澜音\",\"class\":\"繁\""));
  EXPECT_THAT(Line(":pinyin"), HasSubstr("\"method\":1"));
  EXPECT_THAT(Line(":punct"), HasSubstr("\"punct\":\" ；\""));
  EXPECT_THAT(Line(","), HasSubstr("\"output\":\"，\""));
  EXPECT_THAT(Line(":clear"), HasSubstr("\"output\":\"\""));
  Line(":settings 9");
  EXPECT_EQ(folder_.ReadBytes("srf_pykx.set"), std::string(1, '\x09'));
  Line(":dict");
  EXPECT_EQ(SrfState.DictPanelOpen, 0);  // the dictionary setting is off
  EXPECT_THAT(Line(":reload"), StartsWith("{\"input\":"));
}

// A learned phrase that cannot be saved is reported in the next report's status.notice,
// once.
TEST_F(ConsoleLines, AFailedSaveIsReportedInTheStatusNotice) {
  std::filesystem::remove("srf_pub.usr");
  std::filesystem::create_directory("srf_pub.usr");
  for (const char* line : {"ni", "1", "hao", "1", ",", "ni", "1", "hao", "1"})
    EXPECT_THAT(Line(line), HasSubstr("\"notice\":\"\""));
  EXPECT_THAT(Line(","), HasSubstr("\"notice\":\"词语“你好”未能保存: 无法读取文件 srf_pub.usr"));
  EXPECT_THAT(Line(""), HasSubstr("\"notice\":\"\""));
}

TEST_F(ConsoleLines, PreviewsAreTwentyFourStrings) {
  const std::string report = Line("");
  const std::size_t start = report.find("\"previews\":[");
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = report.find(']', start);
  int strings = 0;
  for (std::size_t i = start + 12; i < end; ++i) strings += report[i] == '"';
  EXPECT_EQ(strings, 48);
}

// Runs the built program on a fixture folder through a pipe.
TEST_F(ControllerTest, ConsoleProgramAnswersEveryLine) {
  const std::string program = ExecutableFolder() + "/dazi-console";
  std::ofstream(folder_.File("input.txt")) << "ni\n{Nope}\n1\n:bogus\n";
  const std::string command =
      program + " --data " + folder_.Path().string() + " < " + folder_.File("input.txt");
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> lines;
  char buffer[65536];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    lines.push_back(line);
  }
  ASSERT_EQ(pclose(pipe), 0);
  ASSERT_EQ(lines.size(), 4u);
  for (const std::string& line : lines) EXPECT_TRUE(IsValidJson(line)) << line;
  EXPECT_THAT(lines[0], HasSubstr("\"input\":\"ni\""));
  EXPECT_THAT(lines[1], StartsWith("{\"error\":"));
  EXPECT_THAT(lines[2], HasSubstr("\"output\":\"你\"}"));
  EXPECT_THAT(lines[3], StartsWith("{\"error\":"));
}

// A folder name with bytes that are not UTF-8 still gives one valid JSON error line.
TEST(ConsoleProgram, MissingDataFolderIsReported) {
  for (const std::string folder : {"/nonexistent/dazi", "/nonexistent/\xFF\xFE"}) {
    const std::string command =
        ExecutableFolder() + "/dazi-console --data '" + folder + "' < /dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[4096] = {};
    const bool got = std::fgets(buffer, sizeof buffer, pipe) != nullptr;
    EXPECT_NE(pclose(pipe), 0);
    ASSERT_TRUE(got);
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    EXPECT_THAT(line, StartsWith("{\"error\":"));
    EXPECT_TRUE(IsValidJson(line)) << line;
  }
}

}  // namespace
}  // namespace dazi::testing
