// Lessons typed through the console on the generated dictionaries: what each way of writing
// counts, the keys of both methods, the history a finished lesson leaves, and a damaged
// history that typing goes on without.
#include <gmock/gmock.h>

#include <nlohmann/json.hpp>

#include "engine/startup/DictionaryLoader.h"
#include "tests/lessons/HistoryQuery.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"
#include "ui/lessons/LessonHistory.h"

namespace dazi::testing {
namespace {

using Json = nlohmann::json;

class LessonConsole : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>();
  }

  // Sends a line; a key line's keys (a brace token is one key) are added to keysSent_.
  Json Send(const std::string& line) {
    const std::string answer = session_->HandleLine(line);
    if (line.front() != ':') {
      bool inToken = false;
      for (const char c : line) {
        if (c == '{') inToken = true;
        if (!inToken) ++keysSent_;
        if (c == '}') {
          inToken = false;
          ++keysSent_;
        }
      }
    }
    return Json::parse(answer);
  }

  // Starts a lesson of the given text, written as the user's file t.txt.
  Json Start(const std::string& text) {
    folder_.WriteBytes("t.txt", text);
    keysSent_ = 0;
    return Send(":lesson t.txt");
  }

  // Types letters (or keypad tokens), then chooses the candidate that writes output with its
  // key; otherOutput chooses the first single-character candidate that writes something else.
  // Keypad pages are turned until it shows.
  Json Choose(const std::string& keys, const std::string& output, bool otherOutput = false) {
    Json page = Send(keys);
    const bool keypad = keys.front() == '{';
    const std::array<const char*, 4> keypadKeys{"{KP0}", "{KP7}", "{KP8}", "{KP9}"};
    for (int turns = 0; keypad && turns < 40; ++turns) {
      bool shown = false;
      for (const Json& candidate : page["candidates"]) shown |= candidate["output"] == output;
      if (shown || otherOutput) break;
      page = Send("{KP+}");
    }
    const Json& candidates = page["candidates"];
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      const std::string written = candidates[i]["output"];
      const bool fits = otherOutput ? written != output && written.size() == 3 : written == output;
      if (!fits) continue;
      return Send(keypad ? keypadKeys[i] : std::to_string((static_cast<int>(i) + 1) % 10));
    }
    ADD_FAILURE() << "no candidate writing " << output << " after " << keys;
    return page;
  }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
  int keysSent_ = 0;
};

TEST_F(LessonConsole, FirstLineWithoutAMistake) {
  Json report = Start("中国人民\n\n我们\n");
  EXPECT_EQ(report["lesson"]["line"], "中国人民");
  EXPECT_EQ(report["output"], "");
  Choose("zhongguo", "中国");
  report = Choose("renmin", "人民");
  const Json& lesson = report["lesson"];
  EXPECT_EQ(lesson["position"], 4);
  EXPECT_EQ(lesson["length"], 6);
  EXPECT_EQ(lesson["right"], 4);
  EXPECT_EQ(lesson["wrong"], 0);
  EXPECT_EQ(lesson["accuracy"], 100);
  EXPECT_EQ(lesson["keys"], keysSent_);
  EXPECT_EQ(lesson["backspaces"], 0);
  EXPECT_EQ(lesson["line"], "我们");
  EXPECT_EQ(lesson["done"], false);
  EXPECT_EQ(lesson["id"], "t.txt");
  EXPECT_EQ(lesson["title"], "t");
}

TEST_F(LessonConsole, OneWrongChoiceIsStoredWithItsCharacter) {
  Start("中国\n");
  Choose("zhong", "中");
  const Json report = Choose("guo", "国", true);
  EXPECT_EQ(report["lesson"]["wrong"], 1);
  EXPECT_EQ(report["lesson"]["right"], 1);
  EXPECT_EQ(report["lesson"]["done"], true);
  EXPECT_EQ(report["lesson"]["keys"], keysSent_);
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 1);
  EXPECT_EQ(QueryHistory("SELECT wrong FROM sessions"), 1);
  EXPECT_EQ(QueryHistory("SELECT keys FROM sessions"), keysSent_);
  EXPECT_EQ(QueryHistory("SELECT wrong FROM char_stats WHERE character = '国'"), 1);
  EXPECT_EQ(QueryHistory("SELECT wrong FROM char_stats WHERE character = '中'"), 0);
  EXPECT_EQ(QueryHistory("SELECT seen FROM char_stats WHERE character = '中'"), 1);
  // Ending afterwards stores nothing more, and free typing goes on as before.
  const Json after = Send(":lesson end");
  EXPECT_FALSE(after.contains("lesson"));
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 1);
  EXPECT_EQ(Send("a")["input"], "a");
}

TEST_F(LessonConsole, FollowOnWordsAndSentencesCountLikeTypedCharacters) {
  struct Case {
    std::string target;
    bool wrongFollowOn;
    int right;
    int wrong;
  };
  for (const Case& c : {Case{"中国人", false, 3, 0}, Case{"中国人", true, 2, 1}}) {
    SCOPED_TRACE(c.target + (c.wrongFollowOn ? " wrong follow-on" : ""));
    Start(c.target);
    const Json page = Choose("zhongguo", "中国");
    ASSERT_GT(page["candidates"].size(), 1u);
    const Json& followOns = page["candidates"];
    std::size_t slot = followOns.size();
    for (std::size_t i = 0; i < followOns.size(); ++i)
      if ((followOns[i]["output"] == "人") != c.wrongFollowOn) slot = i;
    ASSERT_LT(slot, followOns.size());
    const Json report = Send(std::to_string((slot + 1) % 10));
    EXPECT_EQ(report["lesson"]["keys"], keysSent_);
    EXPECT_EQ(report["lesson"]["right"], c.right);
    EXPECT_EQ(report["lesson"]["wrong"], c.wrong);
    EXPECT_EQ(report["lesson"]["done"], true);
  }
  for (const auto& [target, right, wrong] :
       {std::tuple{"我们要努力提高工作水平", 11, 0}, std::tuple{"我们要努力提高工作水准", 10, 1}}) {
    Start(target);
    Send("wmyaonltggongzuosp");
    const Json report = Send(" ");
    EXPECT_EQ(report["output"], "我们要努力提高工作水平");
    EXPECT_EQ(report["lesson"]["right"], right) << target;
    EXPECT_EQ(report["lesson"]["wrong"], wrong) << target;
    EXPECT_EQ(report["lesson"]["keys"], 19);
  }
}

TEST_F(LessonConsole, BackspaceUnwritesAndCounts) {
  Start("中国人民\n");
  Choose("zhongguo", "中国");
  Json report = Send("{Back}");
  EXPECT_EQ(report["output"], "中");
  EXPECT_EQ(report["lesson"]["position"], 1);
  EXPECT_EQ(report["lesson"]["right"], 1);
  EXPECT_EQ(report["lesson"]["backspaces"], 1);
  Choose("guo", "国", true);
  Send("{Back}");
  report = Choose("guo", "国");
  EXPECT_EQ(report["lesson"]["position"], 2);
  EXPECT_EQ(report["lesson"]["right"], 2);
  EXPECT_EQ(report["lesson"]["wrong"], 1);
  EXPECT_EQ(report["lesson"]["backspaces"], 2);
  EXPECT_EQ(report["lesson"]["keys"], keysSent_);
}

TEST_F(LessonConsole, KeypadKeysAreCounted) {
  Send(":keypad");
  Start("大在\n");
  Json report = Choose("{KP6}", "大", true);  // a wrong character, ...
  EXPECT_EQ(report["lesson"]["wrong"], 1);
  Send("{Back}");  // ... taken back
  Choose("{KP6}", "大");
  report = Choose("{KP6}", "在");
  EXPECT_EQ(report["lesson"]["keys"], keysSent_);
  EXPECT_EQ(report["lesson"]["backspaces"], 1);
  EXPECT_EQ(report["lesson"]["right"], 2);
  EXPECT_EQ(report["lesson"]["wrong"], 1);
  EXPECT_EQ(report["lesson"]["done"], true);
}

TEST_F(LessonConsole, DamagedHistoryIsSetAsideAndTypingGoesOn) {
  folder_.WriteBytes(lessons::kHistoryFile, std::string(2048, '\x7f'));
  Start("中国\n");
  const Json report = Choose("zhongguo", "中国");
  EXPECT_EQ(report["output"], "中国");
  EXPECT_EQ(report["lesson"]["done"], true);
  EXPECT_THAT(std::string(report["status"]["notice"]), ::testing::HasSubstr(".damaged"));
  EXPECT_EQ(folder_.ReadBytes(std::string(lessons::kHistoryFile) + ".damaged"),
            std::string(2048, '\x7f'));
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 1);
}

TEST_F(LessonConsole, CommandsListStartAndRefuse) {
  const Json list = Send(":lessons");
  ASSERT_TRUE(list.contains("lessons"));
  EXPECT_FALSE(list.contains("output"));
  bool article = false, weak = false;
  for (const Json& lesson : list["lessons"]) {
    EXPECT_EQ(lesson.size(), 6u);
    if (lesson["id"] == "article-01") article = lesson["group"] == "文章";
    if (lesson["id"] == "weak") weak = lesson["title"] == "弱项练习";
  }
  EXPECT_TRUE(article);
  EXPECT_TRUE(weak);
  EXPECT_TRUE(Send(":lesson no-such-lesson").contains("error"));
  EXPECT_TRUE(Send(":lesson end").contains("error"));
  EXPECT_TRUE(Send(":lesson weak").contains("error"));  // no history yet
  const Json started = Send(":lesson kx-help-examples");
  EXPECT_EQ(started["lesson"]["line"], "十 也 聿 车");
  EXPECT_EQ(started["method"], 3);  // a keypad lesson selects the keypad method
  // Ended before 20 characters: nothing stored.
  Choose("{KP6}", "在", true);
  EXPECT_FALSE(Send(":lesson end").contains("lesson"));
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 0);
}

TEST_F(LessonConsole, WeakPointsLessonFromTheHistory) {
  Start("中国国国\n");  // a character is judged once written three times
  Choose("zhong", "中");
  Choose("guo", "国", true);
  Send("{Back}");
  for (int i = 0; i < 3; ++i) Choose("guo", "国");  // the lesson is done and stored
  const Json weak = Send(":lesson weak");
  ASSERT_TRUE(weak.contains("lesson")) << weak.dump();
  EXPECT_EQ(weak["lesson"]["title"], "弱项练习");
  EXPECT_THAT(std::string(weak["lesson"]["line"]), ::testing::StartsWith("国"));
}

}  // namespace
}  // namespace dazi::testing
