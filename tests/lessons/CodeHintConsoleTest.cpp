// Through the console on the generated dictionaries: the code hint of a lesson (:hint), and
// the weak-points lesson a flawless run and a run with one miss leave.
#include <gmock/gmock.h>

#include "tests/lessons/ConsoleLessonTest.h"

namespace dazi::testing {
namespace {

class HintAndWeakPoints : public ConsoleLessonTest {
 protected:
  Json Start(const std::string& text) {
    folder_.WriteBytes("t.txt", text);
    return Send(":lesson t.txt");
  }
  // Types the letters and chooses the candidate writing output with its digit.
  Json Write(const std::string& letters, const std::string& output) {
    const Json page = Send(letters);
    for (std::size_t i = 0; i < page["candidates"].size(); ++i)
      if (page["candidates"][i]["output"] == output)
        return Send(std::to_string((static_cast<int>(i) + 1) % 10));
    ADD_FAILURE() << "no candidate writing " << output << " after " << letters;
    return page;
  }
};

TEST_F(HintAndWeakPoints, HintShowsTheNextCharacterUntilItIsWritten) {
  Json report = Start("中国人\n");
  EXPECT_EQ(report["lesson"]["hints"], 0);
  EXPECT_FALSE(report["lesson"].contains("code_hint"));  // off until asked for

  report = Send(":hint");
  EXPECT_EQ(report["lesson"]["code_hint"], (Json{{"character", "中"}, {"pinyin", "zhōng，zhòng"}}));
  EXPECT_EQ(Send(":hint")["lesson"]["hints"], 1);  // the same character again
  EXPECT_EQ(report["lesson"]["keys"], 0);          // no typing key

  report = Write("zhongguo", "中国");
  EXPECT_EQ(report["lesson"]["position"], 2);
  EXPECT_FALSE(report["lesson"].contains("code_hint"));
  Send(":hint");
  report = Send(":keypad");
  EXPECT_EQ(report["lesson"]["code_hint"], (Json{{"character", "人"}, {"code", "3434"}}));
  EXPECT_EQ(report["lesson"]["hints"], 2);

  Send(":lesson end");
  EXPECT_EQ(Send(":hint")["error"], "no lesson is running");
}

TEST_F(HintAndWeakPoints, WeakLessonAfterAFlawlessRunAndAfterOneMiss) {
  Start("中中中国国国\n");
  for (int i = 0; i < 3; ++i) Write("zhong", "中");
  for (int i = 0; i < 3; ++i) Write("guo", "国");
  EXPECT_EQ(Send(":lesson weak")["error"], "还没有弱项：练习记录中没有打错的字。");

  // One real miss (国 written as 过), and punctuation typed as the program starts (ASCII).
  Start("中国，中国，中国。\n");
  for (int i = 0; i < 3; ++i) {
    Write("zhong", "中");
    Write("guo", i == 1 ? "过" : "国");
    Send(i == 2 ? "." : ",");
  }
  const Json weak = Send(":lesson weak");
  ASSERT_TRUE(weak.contains("lesson")) << weak.dump();
  const std::string first = weak["lesson"]["line"];
  EXPECT_EQ(first.substr(0, 3), "国");
  for (const char* mark : {"，", "。", ",", "."}) EXPECT_EQ(first.find(mark), std::string::npos);
}

}  // namespace
}  // namespace dazi::testing
