// Lessons typed through the console as a learner types them, in the state the program starts
// in: pinyin and choice keys for the characters, the punctuation keys for the marks. Every
// article typed without a mistake scores 100%; quotation marks, the punctuation style, the
// clock and the timed test behave as the learner expects.
#include <gmock/gmock.h>

#include <map>
#include <nlohmann/json.hpp>

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictTexts.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/lessons/HistoryQuery.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/Punctuation.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::testing {
namespace {

using Json = nlohmann::json;

// The toneless letters of a character's first reading, from its dictionary text "国【guó】".
class Spellings {
 public:
  Spellings() {
    for (int n = 1; n <= SrfState.CharCount; ++n) number_.emplace(CharText(n), n);
  }
  std::string Of(const std::string& utf8) const {
    const auto found = number_.find(GbkFromUtf8(utf8));
    if (found == number_.end()) return {};
    const std::string text = Utf8FromGbk(CharDictText(found->second));
    const std::size_t open = text.find("【");
    if (open == std::string::npos) return {};
    static const std::vector<std::pair<std::string, char>> kToned = {
        {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'},
        {"è", 'e'}, {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'}, {"ó", 'o'},
        {"ǒ", 'o'}, {"ò", 'o'}, {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}, {"ǖ", 'v'},
        {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'}, {"ü", 'v'}};
    std::string letters;
    const std::string reading = text.substr(open + 3);
    for (const std::string_view ch : lessons::SplitUtf8(reading)) {
      if (ch.size() == 1 && ch[0] >= 'a' && ch[0] <= 'z') {
        letters += ch[0];
        continue;
      }
      const auto toned =
          std::find_if(kToned.begin(), kToned.end(), [&](const auto& t) { return t.first == ch; });
      if (toned == kToned.end()) break;
      letters += toned->second;
    }
    return letters;
  }

 private:
  std::map<std::string, int> number_;
};

class LessonTyping : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>([this] { return now_; });
    spellings_ = std::make_unique<Spellings>();
  }

  Json Send(const std::string& line) {
    const Json answer = Json::parse(session_->HandleLine(line));
    EXPECT_FALSE(answer.contains("error")) << line << ": " << answer.dump();
    return answer;
  }

  // The punctuation key that types a full-width mark (UTF-8), 0 for any other character.
  static char KeyOfMark(const std::string& utf8) {
    static const std::map<std::string, char> kKeys = [] {
      std::map<std::string, char> keys;
      for (const char* quote : {"“", "”", "‘", "’"}) keys[quote] = QuoteKeyOf(GbkFromUtf8(quote));
      for (char key = '!'; key <= '~'; ++key)
        if (IsPunctuationKey(key) && key != '"' && key != '\'')
          keys.emplace(Utf8FromGbk(FullWidthSymbols(key)), key);
      return keys;
    }();
    const auto found = kKeys.find(utf8);
    return found == kKeys.end() ? 0 : found->second;
  }

  // Writes one target character as a learner does: its spelling and the key that chooses it
  // (turning pages with '=' until it shows), then the punctuation keys of the marks after it.
  Json Write(const std::string& utf8, const std::string& marks = "") {
    const std::string spelling = spellings_->Of(utf8);
    EXPECT_FALSE(spelling.empty()) << utf8;
    Json page = Send(spelling);
    for (int turn = 0; turn < 80; ++turn) {
      const Json& candidates = page["candidates"];
      for (std::size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i]["output"] == utf8)
          return Send(std::to_string((static_cast<int>(i) + 1) % 10) + marks);
      page = Send("=");
    }
    ADD_FAILURE() << "no candidate " << utf8 << " for " << spelling;
    return Send("{Esc}" + marks);
  }

  // Writes every character of lines, blanks left out; a mark's key goes on the line that
  // chooses the character before it (a line starting with ':' would be a command).
  Json WriteAll(const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::string>> characters;  // a character, marks after it
    std::string leading;
    for (const std::string& line : lines)
      for (const std::string_view ch : lessons::SplitUtf8(line)) {
        if (ch == " ") continue;
        if (const char key = KeyOfMark(std::string(ch)); key != 0)
          (characters.empty() ? leading : characters.back().second) += key;
        else
          characters.emplace_back(std::string(ch), "");
      }
    Json report;
    if (!leading.empty()) report = Send(leading);
    for (const auto& [character, marks] : characters) report = Write(character, marks);
    return report;
  }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
  std::unique_ptr<Spellings> spellings_;
  double now_ = 1000;
};

TEST_F(LessonTyping, EveryArticleTypedWithoutAMistakeScoresFull) {
  int articles = 0;
  std::vector<std::string> ids;
  const Json list = Json::parse(session_->HandleLine(":lessons"));
  for (const Json& lesson : list["lessons"])
    if (std::string(lesson["id"]).rfind("article-", 0) == 0) ids.push_back(lesson["id"]);
  ASSERT_EQ(ids.size(), 22u);
  for (const std::string& id : ids) {
    SCOPED_TRACE(id);
    Json started = Send(":lesson " + id);
    // A long article comes in segments, each a run of its own.
    for (int segment = 1; started.contains("lesson"); ++segment) {
      SCOPED_TRACE(segment);
      EXPECT_EQ(started["status"]["punct"], " ；");  // the article's own marks
      std::vector<std::string> lines;
      const lessons::LessonRun* run = session_->Lessons().Run();
      for (const std::string& line : run->Source().lines) lines.push_back(line);
      const Json report = WriteAll(lines);
      const Json& figures = report["lesson"];
      EXPECT_EQ(figures["done"], true);
      EXPECT_EQ(figures["wrong"], 0) << report["output"];
      EXPECT_EQ(figures["accuracy"], 100);
      EXPECT_EQ(figures["right"], figures["length"]);
      EXPECT_EQ(report["status"]["punct"], " ;");  // the learner's style again
      ASSERT_LT(segment, 10);
      started = Json::parse(session_->HandleLine(":lesson next-segment"));
    }
    ++articles;
  }
  EXPECT_EQ(articles, 22);
}

// The learner's own keys from the first report of the fault: ASCII punctuation at start.
TEST_F(LessonTyping, PunctuationKeysTypedAtStartScoreRight) {
  Send(":lesson article-01");
  const Json comma = Send("meitian zaoshang liu2dian ban ,");
  EXPECT_EQ(comma["output"], "每天早上六点半，");
  // Switched back to ASCII mid-lesson, a mark and its blank count as the full-width mark.
  Send(":punct");
  const Json report = Send("wode naozhong2jiuhui xiang6qilai .");
  EXPECT_EQ(report["output"], "每天早上六点半，我的闹钟就会响起来. ");
  EXPECT_EQ(report["lesson"]["wrong"], 0);
  EXPECT_EQ(report["lesson"]["right"], 18);
}

TEST_F(LessonTyping, QuoteKeyPairsAnewAfterClearingBackspaceAndALessonStart) {
  Send(":punct");
  EXPECT_EQ(Send("\"")["output"], "“");
  EXPECT_EQ(Send("{Back}\"")["output"], "“");  // the deleted mark comes again
  EXPECT_EQ(Send("\"")["output"], "“”");       // the second pairs with the first
  Send(":clear");
  EXPECT_EQ(Send("\"")["output"], "“");
  // A stray quote before a lesson does not turn its quotes round, nor does the style.
  folder_.WriteBytes("t.txt", "“好”，好”\n");
  Send(":punct");
  ASSERT_EQ(Send(":lesson t.txt")["status"]["punct"], " ；");
  Send("\"hao1\",hao1");
  const Json report = Send("\"");  // a closing mark where the text has one, out of turn
  EXPECT_EQ(report["output"], "“好”，好”");
  EXPECT_EQ(report["lesson"]["wrong"], 0);
  EXPECT_EQ(report["lesson"]["done"], true);
  EXPECT_EQ(report["status"]["punct"], " ;");
}

TEST_F(LessonTyping, EndedLaterTheRunKeepsTheSecondsOfItsLastCharacter) {
  const std::string text = "一二三四五六七八九十一二三四五六七八九十一二三四五";
  folder_.WriteBytes("t.txt", text + "\n");
  Send(":lesson t.txt");
  std::vector<std::string> first;
  for (const std::string_view ch : lessons::SplitUtf8(text))
    if (first.size() < 20) first.emplace_back(ch);
  Json report;
  for (const std::string& ch : first) {
    report = Write(ch);
    now_ += 1;
  }
  EXPECT_EQ(report["lesson"]["position"], 20);
  const double lastCharacter = report["lesson"]["seconds"];
  now_ += 5;                                                // reading the results
  EXPECT_EQ(Send("{Esc}{Esc}")["lesson"]["paused"], true);  // the first drops any follow-ons
  Send(":lesson end");
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 1);
  EXPECT_EQ(QueryHistory("SELECT seconds * 10 FROM sessions"), std::llround(lastCharacter * 10));
  EXPECT_EQ(QueryHistory("SELECT finished FROM sessions"), 0);
  EXPECT_EQ(QueryHistory("SELECT length FROM sessions"), 25);
}

TEST_F(LessonTyping, TimedTestRunsForItsMinutes) {
  EXPECT_TRUE(
      Json::parse(session_->HandleLine(":lesson article-01 --minutes 2")).contains("error"));
  Json report = Send(":lesson article-01 --minutes 1");
  EXPECT_EQ(report["lesson"]["minutes"], 1);
  EXPECT_GT(report["lesson"]["length"], 400);  // the text goes round
  for (int i = 0; i < 7; ++i) {
    report = Write(i % 2 ? "天" : "每");
    now_ += 9;
  }
  EXPECT_FALSE(report["lesson"]["done"]);
  now_ += 30;
  report = Send("");
  EXPECT_EQ(report["lesson"]["done"], true);
  EXPECT_EQ(report["lesson"]["seconds"], 60);
  EXPECT_EQ(report["lesson"]["right"], 2);
  EXPECT_EQ(QueryHistory("SELECT finished FROM sessions"), 1);
  EXPECT_EQ(QueryHistory("SELECT seconds FROM sessions"), 60);
  EXPECT_EQ(QueryHistory("SELECT length FROM sessions"), 163);
}

}  // namespace
}  // namespace dazi::testing
