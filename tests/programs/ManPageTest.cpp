// The manual pages of packaging/man against the programs: every long option that --help lists
// has an entry in the page's OPTIONS, every entry there is an option --help lists, and every
// page names the environment variables the programs read.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "engine/user/DataFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {
namespace {

using Options = std::set<std::string>;

// The options that start a line of the usage ("  --data DIR", "  -h, --help", "  -h,--help");
// wrapped descriptions are indented further and are not read.
Options HelpOptions(const std::string& help) {
  static const std::regex line(R"(^  (?:-\w, ?)?(--[a-z0-9-]+))");
  Options options;
  std::istringstream lines(help);
  for (std::string text; std::getline(lines, text);) {
    std::smatch match;
    if (std::regex_search(text, match, line)) options.insert(match[1]);
  }
  return options;
}

// The long options of the entries (".TP" then the tag line) of the page's OPTIONS section.
Options PageOptions(const std::string& page) {
  static const std::regex option(R"(\\-\\-([a-z0-9\\-]+))");
  Options options;
  std::istringstream lines(page);
  bool inOptions = false, tagNext = false;
  for (std::string text; std::getline(lines, text);) {
    if (text.rfind(".SH ", 0) == 0) inOptions = text == ".SH OPTIONS";
    if (!inOptions) continue;
    if (tagNext) {
      for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
           it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        name.erase(std::remove(name.begin(), name.end(), '\\'), name.end());
        options.insert("--" + name);
      }
    }
    tagNext = text == ".TP";
  }
  return options;
}

class ManPage : public ::testing::TestWithParam<const char*> {};

TEST_P(ManPage, ListsExactlyTheOptionsOfHelp) {
  TempDataFolder scratch;
  const Outcome help = RunProgram(ExecutableFolder() + "/" + GetParam(), {"--help"}, scratch);
  ASSERT_EQ(help.status, 0) << help.err;
  const std::string page =
      ReadFile(std::string(DAZI_SOURCE_DIR) + "/packaging/man/" + GetParam() + ".1");
  ASSERT_FALSE(page.empty()) << "no manual page for " << GetParam();
  const Options listed = HelpOptions(help.out);
  EXPECT_GE(listed.size(), 3u) << help.out;
  EXPECT_EQ(PageOptions(page), listed);
}

TEST_P(ManPage, NamesTheEnvironmentVariables) {
  const std::string page =
      ReadFile(std::string(DAZI_SOURCE_DIR) + "/packaging/man/" + GetParam() + ".1");
  for (const char* variable :
       {"XDG_DATA_HOME", "DAZI_DICTIONARY_DIR", "DAZI_ADVERT_SERVER", "DAZI_FEEDBACK_URL"})
    EXPECT_NE(page.find(variable), std::string::npos) << variable;
}

INSTANTIATE_TEST_SUITE_P(Programs, ManPage,
                         ::testing::Values("dazi", "dazi-console", "dazi-dictbuild",
                                           "dazi-lessonbuild"),
                         [](const auto& tested) {
                           std::string name = tested.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace dazi::testing
