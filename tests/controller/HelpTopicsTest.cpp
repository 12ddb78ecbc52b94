// The help topics against the topic lists and the quoted lines of the help texts.
#include "ui/controller/HelpTopics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dazi {
namespace {

std::vector<std::string> Titles(std::span<const HelpTopic> topics) {
  std::vector<std::string> titles;
  for (const HelpTopic& topic : topics) titles.emplace_back(topic.title);
  return titles;
}

// One character per line of each topic: 'i' for a line that begins a paragraph with four
// blanks, '-' for a line that does not.
std::vector<std::string> LineShapes(std::span<const HelpTopic> topics) {
  std::vector<std::string> shapes;
  for (const HelpTopic& topic : topics) {
    std::string shape;
    for (std::string_view line : topic.lines) shape += line.starts_with("    ") ? 'i' : '-';
    shapes.push_back(shape);
  }
  return shapes;
}

std::string Line(std::span<const HelpTopic> topics, std::size_t topic, std::size_t line) {
  if (topic >= topics.size() || line >= topics[topic].lines.size()) return "<missing>";
  return std::string(topics[topic].lines[line]);
}

std::string Joined(const HelpTopic& topic) {
  std::string text;
  for (std::string_view line : topic.lines) text += line;
  return text;
}

std::vector<std::string> Lines(const HelpTopic& topic) {
  return {topic.lines.begin(), topic.lines.end()};
}

TEST(HelpTopics, PinyinTreeHasItsElevenTitlesInNodeOrder) {
  const std::vector<std::string> expected{"澜音输入法说明",     "一、单字输入", "二、词组输入",
                                          "三、长语句连续输入", "四、自动造词", "五、特殊符号",
                                          "六、字类选择",       "七、显示英文", "八、显示字典",
                                          "九、造字功能",       "十、选择KX"};
  EXPECT_EQ(Titles(PinyinHelpTopics()), expected);
}

TEST(HelpTopics, KeypadTreeHasItsTwelveTitlesInNodeOrder) {
  const std::vector<std::string> expected{
      "KX输入法简要说明",   "一、键盘与笔画", "二、字形与输入方法", "三、记忆4个简化部件",
      "四、笔画输完的补充", "五、选择字或词", "六、轻松输入词组",   "七、显示字典及拼音",
      "八、显示英文",       "九、自动造词",   "十、字类选择",       "十一、选择澜音"};
  EXPECT_EQ(Titles(KeypadHelpTopics()), expected);
}

TEST(HelpTopics, AllTopicsAreTopLevelWithNonEmptyLines) {
  for (auto topics : {PinyinHelpTopics(), KeypadHelpTopics()})
    for (const HelpTopic& topic : topics) {
      EXPECT_EQ(topic.level, 0) << topic.title;
      for (std::string_view line : topic.lines) EXPECT_GT(line.size(), 4u) << topic.title;
    }
}

TEST(HelpTopics, LineCountsAndParagraphIndentsFollowTheTexts) {
  const std::vector<std::string> pinyin{"i-----", "ii", "i",  "i---", "i-", "i",
                                        "i",      "ii", "ii", "i",    "i"};
  const std::vector<std::string> keypad{"i",   "i-", "i--", "i----", "i-", "i",
                                        "i--", "ii", "ii",  "i-",    "i",  "i"};
  EXPECT_EQ(LineShapes(PinyinHelpTopics()), pinyin);
  EXPECT_EQ(LineShapes(KeypadHelpTopics()), keypad);
}

TEST(HelpTopics, QuotedPinyinLinesAreVerbatim) {
  const auto t = PinyinHelpTopics();
  EXPECT_EQ(Line(t, 0, 1),
            "二○○三年新字频处理汉字、词排序；对输入字的前后关系采用优秀的字处理功能，主动提");
  EXPECT_EQ(Line(t, 0, 4),
            "20902个汉字的读音、字义解释，解释详尽，同时包含60000组词语的汉英翻译，翻译内容可");
  EXPECT_EQ(Line(t, 0, 5), "自由输出，使用方便。");
  EXPECT_EQ(Line(t, 1, 0),
            "    完全按照标准的汉语拼音规则，逐个键入字的汉语拼音来输入字；新诀窍：对每一个单字在拼"
            "音后增加一个首笔画拼音码（横、竖、撇、点、折＝h、s、p、d、z），如：伊，第一笔是撇，则"
            "在输入yi后输入p即可，这样做的好处是无需翻页寻找。");
  EXPECT_EQ(Line(t, 1, 1), "    注：中英切换使用Ctrl键。");
  EXPECT_EQ(Line(t, 3, 1), "空格键：输出全句。");
  EXPECT_EQ(Line(t, 3, 2), "←键：修改，并用于对歧义词或配错字进行退位修改。");
  EXPECT_EQ(Line(t, 3, 3), "BackSpace键：用于删除多输入的字母。");
  EXPECT_EQ(Line(t, 8, 0),
            "    不论简、繁、异体字均标注了字义和拼音，点击框左上角的字典即可打开或关闭字典框。点击"
            "字典框上的字即显示该字解释(需通过点击工具条左侧的黄色标志，在设置中选择显示字典和拼音"
            ")。");
  EXPECT_EQ(Line(t, 9, 0),
            "    澜音输入法支持用户机Truetype造字程序，造字时注意按照AAA1的顺序摆放，不需要进行输入"
            "法链接等其他设置。所有造好的字均可以通过输入va来选择输出。");
}

TEST(HelpTopics, QuotedKeypadLinesAreVerbatim) {
  const auto t = KeypadHelpTopics();
  EXPECT_EQ(Line(t, 0, 0),
            "    KX输入法是极其简单易学的数字小键盘输入方法，使用数字键1~6位，根据笔画顺序一笔一键"
            "输入。具有高度智能化功能，输入汉字简单、方便；同时该输入法具备20902个汉字的拼音和字典"
            "功能，相当一本超大字典，具备六万多条英文译注，相当一本汉英大词典。");
  EXPECT_EQ(Line(t, 1, 0),
            "    KX使用数字键1~6位，其中对应关系是1为横、2为竖、3为撇、4为点、5为折、6为叉。");
  EXPECT_EQ(Line(t, 1, 1),
            "横包括横与提，竖为竖、撇为撇、点包括点与捺、折包括折弯钩、叉包括所有笔画相互交叉的组"
            "合笔画。如: 十、也、聿、车等等都是一个叉笔画，这是KX输入法中的一个重要点。");
  EXPECT_EQ(Line(t, 3, 3), "以上意思是当输入汉字时，凡出现上述部件，一律按以上简化的打法输入。");
  EXPECT_EQ(Line(t, 4, 0), "    汉字中有不少字笔画很少，那么个别字笔画输完了没有显示怎么办？");
  EXPECT_EQ(Line(t, 5, 0),
            "    KX输入法由于将数字键1、2、3、4、5、6做为笔画输入键，所以在字词的选择时使用0、7、8"
            "、9数字键，为了方便对应，在字词候选框内均用这些数字做了表示。");
}

TEST(HelpTopics, QuotedLinesBeginTheLinesToldByContent) {
  const auto p = PinyinHelpTopics();
  const auto k = KeypadHelpTopics();
  EXPECT_TRUE(Line(p, 6, 0).starts_with(
      "    字类分为简体、繁体、异体（生僻字），其中简体字7062（包括GB2312的6763字和299个人、地名"
      "生僻字），繁体字 7242（包括简繁共用字），异体11529（包括生僻字）。"));
  EXPECT_TRUE(Line(p, 10, 0).starts_with(
      "    KX是极其简单易学的小键盘输入方法，使用数字键1~6位，根据笔画顺序一笔一键输入。"));
  EXPECT_TRUE(
      Line(k, 2, 0).starts_with("    字形只有三类，综合形、左右形、上下形。    对综合形的字"
                                "没有特别规定，只要按汉字输写顺序一笔一键输入即可。"));
  EXPECT_TRUE(Line(k, 2, 1).starts_with(
      "对左右形的字有规定：左边部分最多打前两个笔画，左边打后，右边按照顺序打。"));
  EXPECT_TRUE(Line(k, 2, 2).starts_with(
      "对上下形的字有规定：上面部分最多打前四个笔画，接下去打下面部分的笔画。"));
  EXPECT_TRUE(Line(k, 4, 1).starts_with(
      "KX输入法是将该字按基本笔画从头开始再次输入一到两个笔画，十分简单。"));
  EXPECT_TRUE(Line(k, 6, 0).starts_with(
      "    KX输入词组的规则简单：第一个字用两个笔画，中间的字各用一个笔画，最后一个字按顺序输到"
      "词组出现。"));
}

TEST(HelpTopics, TextsToldByContentNameTheirExamples) {
  const auto p = PinyinHelpTopics();
  const auto k = KeypadHelpTopics();
  for (const char* literal :
       {"\"政治\"", "\"zz\"", "\"zzh\"", "\"zhz\"", "\"西安\"", "\"xa\"", "\"xan\""})
    EXPECT_NE(Line(p, 2, 0).find(literal), std::string::npos) << literal;
  const std::string sentences = Line(p, 3, 0);
  for (const char* literal : {"30", "\"wmyaonltggongzuosp\"", "\"我们要努力提高工作水平\""})
    EXPECT_NE(sentences.find(literal), std::string::npos) << literal;
  for (const char* literal : {"\"v\"", "\"i\"", "\"u\""})
    EXPECT_NE(Line(p, 5, 0).find(literal), std::string::npos) << literal;
  for (const char* literal : {"\"简\"", "\"繁\"", "\"异\""})
    EXPECT_NE(Line(p, 6, 0).find(literal), std::string::npos) << literal;
  EXPECT_NE(Line(p, 7, 0).find("\"显示英文\""), std::string::npos);
  EXPECT_NE(Line(p, 7, 1).find("6万组"), std::string::npos);
  EXPECT_NE(Line(p, 8, 1).find("20902"), std::string::npos);
  EXPECT_NE(Line(p, 10, 0).find("\"澜音\""), std::string::npos);
  EXPECT_NE(Line(k, 11, 0).find("\"KX\""), std::string::npos);
  for (const char* literal : {"病", "口", "日", "手"})
    EXPECT_NE(Line(k, 3, 0).find(literal), std::string::npos) << literal;
  EXPECT_NE(Line(k, 6, 2).find("风马牛不相及"), std::string::npos);
}

// Example 1 of continuous input: a sentence of 15 characters typed as 38 letters.
TEST(HelpTopics, FirstSentenceExampleHasThirtyEightLettersForFifteenCharacters) {
  const std::string line = Line(PinyinHelpTopics(), 3, 0);
  std::vector<std::string> quoted;
  for (std::size_t open = line.find('"'); open != std::string::npos;) {
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string::npos) break;
    quoted.push_back(line.substr(open + 1, close - open - 1));
    open = line.find('"', close + 1);
  }
  ASSERT_GE(quoted.size(), 2u);
  EXPECT_EQ(quoted[0].size(), 38u) << quoted[0];
  EXPECT_EQ(quoted[0].find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
  EXPECT_EQ(quoted[1].size(), 15u * 3) << quoted[1];  // three UTF-8 bytes per character
}

TEST(HelpTopics, KeypadTopicsShareTheTextsOfThePinyinTopics) {
  const auto p = PinyinHelpTopics();
  const auto k = KeypadHelpTopics();
  ASSERT_EQ(p.size(), 11u);
  ASSERT_EQ(k.size(), 12u);
  EXPECT_EQ(Lines(k[7]), Lines(p[8]));   // dictionary
  EXPECT_EQ(Lines(k[8]), Lines(p[7]));   // English
  EXPECT_EQ(Lines(k[10]), Lines(p[6]));  // character classes
}

// The keypad word-making text drops the leading "在", uses "5151" for "zq" and breaks its
// first line after "只要再输" instead of "只要再".
TEST(HelpTopics, KeypadWordMakingDiffersFromThePinyinTextOnlyAsTold) {
  const HelpTopic& pinyin = PinyinHelpTopics()[4];
  const HelpTopic& keypad = KeypadHelpTopics()[9];
  ASSERT_EQ(pinyin.lines.size(), 2u);
  ASSERT_EQ(keypad.lines.size(), 2u);
  EXPECT_TRUE(pinyin.lines[0].starts_with("    在"));
  EXPECT_TRUE(pinyin.lines[0].ends_with("只要再"));
  EXPECT_TRUE(keypad.lines[0].ends_with("只要再输"));
  EXPECT_NE(Joined(pinyin).find("\"广义词\""), std::string::npos);
  std::string expected = Joined(pinyin);
  expected.erase(4, std::string_view("在").size());
  const std::size_t code = expected.find("zq");
  ASSERT_NE(code, std::string::npos);
  expected.replace(code, 2, "5151");
  EXPECT_EQ(Joined(keypad), expected);
}

}  // namespace
}  // namespace dazi
