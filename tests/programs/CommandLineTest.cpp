// Each program's command line: --help and --version answer on stdout with status 0, a wrong
// command line is refused with the usage on stderr and status 2, and the existing options
// still do their work.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/user/DataFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "ui/controller/SuppliedFiles.h"

namespace dazi::testing {
namespace {

struct CommandLineCase {
  const char* name;
  const char* program;
  // "{data}" stands for a data folder holding links to the built dictionaries, "{bin}" for
  // the folder of the programs.
  std::vector<std::string> args;
  int status;
  std::vector<std::string> outHas;  // none: stdout stays empty
  std::vector<std::string> errHas;  // none: stderr stays empty
};

std::string Substitute(std::string text, const std::string& data) {
  for (const auto& [mark, value] :
       {std::pair<std::string, std::string>{"{data}", data},
        std::pair<std::string, std::string>{"{bin}", ExecutableFolder()}}) {
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark))
      text.replace(at, mark.size(), value);
  }
  return text;
}

void ExpectStream(const std::string& text, const std::vector<std::string>& has,
                  const char* stream) {
  if (has.empty()) {
    EXPECT_EQ(text, "") << stream;
  }
  for (const std::string& part : has)
    EXPECT_NE(text.find(part), std::string::npos) << stream << " lacks " << part << ":\n" << text;
}

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, AnswersAsDocumented) {
  TempDataFolder folder;
  if (std::string why = LinkRealDictionaries(folder.Path()); !why.empty()) GTEST_SKIP() << why;
  const CommandLineCase& c = GetParam();
  const std::string data = folder.Path().string();
  std::vector<std::string> args;
  for (const std::string& arg : c.args) args.push_back(Substitute(arg, data));
  const Outcome outcome = RunProgram(ExecutableFolder() + "/" + c.program, args, folder);
  EXPECT_EQ(outcome.status, c.status) << outcome.err;
  std::vector<std::string> outHas, errHas;
  for (const std::string& part : c.outHas) outHas.push_back(Substitute(part, data));
  for (const std::string& part : c.errHas) errHas.push_back(Substitute(part, data));
  ExpectStream(outcome.out, outHas, "stdout");
  ExpectStream(outcome.err, errHas, "stderr");
}

const CommandLineCase kCases[] = {
    {"DaziHelp",
     "dazi",
     {"--help"},
     0,
     {"Usage:", "--data", "--print-counts", "--type <KEYS>", "--screenshot <FILE>"},
     {}},
    {"DaziVersion", "dazi", {"--version"}, 0, {"dazi " DAZI_VERSION "\n"}, {}},
    {"DaziUnknownOption", "dazi", {"--bogus"}, 2, {}, {"bogus", "Usage:", "--print-counts"}},
    {"DaziStrayArgument", "dazi", {"stray"}, 2, {}, {"stray", "Usage:"}},
    {"DaziPrintCounts",
     "dazi",
     {"--print-counts", "--data", "{data}"},
     0,
     {"data folder: {data}\n", "characters: "},
     {}},
    {"DaziTypeWithoutScreenshot", "dazi", {"--type", "ni"}, 2, {}, {"--type needs", "Usage:"}},
    {"DaziScreenshotOfUnknownKeys",
     "dazi",
     {"--data", "{data}", "--type", "ni{Nope}", "--screenshot", "{data}/shot.png"},
     2,
     {},
     {"{Nope}"}},
    {"DaziDataWithEquals",
     "dazi",
     {"--data={data}/missing", "--print-counts"},
     1,
     {},
     {"{data}/missing\" does not exist"}},

    {"ConsoleHelp", "dazi-console", {"--help"}, 0, {"Usage:", "--data DIR"}, {}},
    {"ConsoleVersion", "dazi-console", {"--version"}, 0, {"dazi-console " DAZI_VERSION "\n"}, {}},
    {"ConsoleUnknownOption", "dazi-console", {"--bogus"}, 2, {}, {"--bogus", "Usage:"}},
    {"ConsoleDataWithoutFolder", "dazi-console", {"--data"}, 2, {}, {"--data", "Usage:"}},
    {"ConsoleData", "dazi-console", {"--data", "{data}"}, 0, {}, {}},
    {"ConsoleDataWithEquals",
     "dazi-console",
     {"--data={data}/missing"},
     1,
     {"{\"error\":", "{data}/missing"},
     {}},

    {"DictbuildHelp",
     "dazi-dictbuild",
     {"--help"},
     0,
     {"Usage:", "--out DIR", "--hanzi-data DIR", "--emit-defaults FILE", "--check DIR",
      "--defaults FILE"},
     {}},
    {"DictbuildVersion",
     "dazi-dictbuild",
     {"--version"},
     0,
     {"dazi-dictbuild " DAZI_VERSION "\n"},
     {}},
    {"DictbuildUnknownOption", "dazi-dictbuild", {"--bogus"}, 2, {}, {"--bogus", "Usage:"}},
    {"DictbuildOutWithoutSources",
     "dazi-dictbuild",
     {"--out", "{data}"},
     2,
     {},
     {"--hanzi-data", "Usage:"}},
    {"DictbuildCheck",
     "dazi-dictbuild",
     {"--check", "{data}", "--defaults", "{bin}/SyllableDefaults.inc"},
     0,
     {"{data} passes"},
     {}},

    {"LessonbuildHelp",
     "dazi-lessonbuild",
     {"--help"},
     0,
     {"Usage:", "--out DIR", "--dict DIR", "--poems FILE", "--version"},
     {}},
    {"LessonbuildVersion",
     "dazi-lessonbuild",
     {"--version"},
     0,
     {"dazi-lessonbuild " DAZI_VERSION "\n"},
     {}},
    {"LessonbuildUnknownOption", "dazi-lessonbuild", {"--bogus"}, 2, {}, {"--bogus", "Usage:"}},
    {"LessonbuildMissingSources",
     "dazi-lessonbuild",
     {"--out", "{data}/lessons"},
     2,
     {},
     {"--dict", "Usage:"}},
};

// Without --data both programs work in $XDG_DATA_HOME/dazi, made on first start, with the
// built dictionaries linked in; the user files are written there, never beside the programs.
TEST(DefaultDataFolder, BothProgramsWorkInTheUsersFolderOutsideTheBuild) {
  TempDataFolder scratch;
  const std::string bin = ExecutableFolder();
  if (!std::filesystem::exists(bin + "/srf_pub.zc")) GTEST_SKIP() << "no built dictionaries";
  const std::string before = ReadFile(bin + "/srf_pub.usr");
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string kept = old ? old : "";
  ::setenv("XDG_DATA_HOME", scratch.File("share").c_str(), 1);
  const Outcome counts = RunProgram(bin + "/dazi", {"--print-counts"}, scratch);
  const Outcome console = RunProgram(bin + "/dazi-console", {}, scratch);
  if (old)
    ::setenv("XDG_DATA_HOME", kept.c_str(), 1);
  else
    ::unsetenv("XDG_DATA_HOME");

  const std::string data = scratch.File("share/dazi");
  EXPECT_EQ(counts.status, 0) << counts.err;
  EXPECT_NE(counts.out.find("data folder: " + data + "\n"), std::string::npos) << counts.out;
  EXPECT_EQ(console.status, 0) << console.err;
  EXPECT_TRUE(std::filesystem::is_symlink(data + "/srf_pub.zc"));
  for (const char* user : {"srf_pykx.set", "srf_pub.usr", "srf_pub.dat"})
    EXPECT_TRUE(std::filesystem::is_regular_file(data + "/" + user)) << user;
  EXPECT_EQ(ReadFile(bin + "/srf_pub.usr"), before);
}

// Installed, a program lies in PREFIX/bin with nothing of the build beside it: it takes the
// dictionaries and the lessons from PREFIX/share/dazi and writes only in the user's folder.
TEST(InstalledLayout, ConsoleTypesWithTheDictionariesOfShareDazi) {
  namespace fs = std::filesystem;
  TempDataFolder scratch;
  const fs::path bin = ExecutableFolder();
  if (!fs::exists(bin / "srf_pub.zc")) GTEST_SKIP() << "no built dictionaries";
  const fs::path prefix = scratch.File("usr");
  const fs::path share = prefix / "share" / "dazi";
  fs::create_directories(prefix / "bin");
  fs::create_directories(share);
  fs::copy_file(bin / "dazi-console", prefix / "bin" / "dazi-console");
  fs::permissions(prefix / "bin" / "dazi-console", fs::perms::owner_all);
  for (const std::string& name : SuppliedFiles()) fs::create_symlink(bin / name, share / name);
  fs::create_directory_symlink(bin / "lessons", share / "lessons");

  const std::string home = scratch.File("home");
  const std::string output = scratch.File("out.txt");
  const std::string command = "env -u DAZI_DICTIONARY_DIR XDG_DATA_HOME='" + home + "' '" +
                              (prefix / "bin" / "dazi-console").string() + "' > '" + output +
                              "' 2>&1 <<'KEYS'\nnihao\n \n:lessons\nKEYS\n";
  ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(output);

  const std::string answers = ReadFile(output);
  EXPECT_NE(answers.find("\"output\":\"你好\""), std::string::npos) << answers;
  EXPECT_NE(answers.find("\"id\":\"article-01\""), std::string::npos) << answers;
  EXPECT_TRUE(fs::is_symlink(home + "/dazi/srf_pub.zc"));
  EXPECT_TRUE(fs::is_regular_file(home + "/dazi/srf_pub.usr"));
  std::set<std::string> shared;
  for (const auto& entry : fs::directory_iterator(share)) shared.insert(entry.path().filename());
  EXPECT_EQ(shared.size(), SuppliedFiles().size() + 1) << "the program wrote into share/dazi";
}

std::string CaseName(const ::testing::TestParamInfo<CommandLineCase>& tested) {
  return tested.param.name;
}

INSTANTIATE_TEST_SUITE_P(Programs, CommandLine, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
}  // namespace dazi::testing
