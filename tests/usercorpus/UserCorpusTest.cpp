#include "ui/usercorpus/UserCorpus.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/Gbk.h"
#include "tests/support/TempDataFolder.h"
#include "tests/usercorpus/CorpusTestSupport.h"

namespace dazi {
namespace {

using testing::CharTableFile;
using testing::Gbk;

// n copies of the character 中 (two GBK bytes each).
std::string Zhong(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += Gbk("中");
  return s;
}

// 人名 with 李明, 王芳; 地名 with 北京. srf_pub.usr is rebuilt after each change; what it
// holds has its own tests.
class UserCorpusRules : public ::testing::Test {
 protected:
  void SetUp() override {
    original_ = Gbk("人名") + "\r\n\t" + Gbk("李明") + "\r\n\t" + Gbk("王芳") + "\r\n" +
                Gbk("地名") + "\r\n\t" + Gbk("北京") + "\r\n";
    folder_.WriteBytes("srf_pub.dat", original_);
    folder_.WriteBytes("srf_pub.zc", CharTableFile("人名李明王芳地北京张强中城市"));
    ASSERT_TRUE(corpus_.LoadCorpusTree());
    ASSERT_TRUE(corpus_.LoadCharTable("srf_pub.zc"));
  }
  std::string Dat() const { return folder_.ReadBytes("srf_pub.dat"); }
  static std::string Message(CorpusOutcome outcome) { return OutcomeMessage(outcome); }

  testing::TempDataFolder folder_;
  std::string original_;
  UserCorpus corpus_;
};

TEST(CorpusFile, ParsesCategoriesAndEntriesAndWritesThemBackWithCrLf) {
  const std::string text =
      Gbk("甲") + "\r\n\t" + Gbk("一") + "\r\n\t" + Gbk("二") + "\r\n" + Gbk("乙") + "\r\n";
  const CorpusTree tree = ParseCorpus(text);
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].text, Gbk("甲"));
  EXPECT_EQ(tree[0].entries, (std::vector<std::string>{Gbk("一"), Gbk("二")}));
  EXPECT_TRUE(tree[1].entries.empty());
  EXPECT_EQ(FormatCorpus(tree), text);
}

TEST(CorpusFile, ReadsBareLfAMissingLastEndingAndKeepsEntriesBeforeAnyCategory) {
  const CorpusTree tree = ParseCorpus("\tfirst\r\n\r\ncat\n\t\tdeep\n\tlast");
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].text, "first");  // kept as a category instead of being lost
  EXPECT_EQ(tree[1].text, "cat");
  EXPECT_EQ(tree[1].entries, (std::vector<std::string>{"deep", "last"}));
  EXPECT_EQ(FormatCorpus(tree), "first\r\ncat\r\n\tdeep\r\n\tlast\r\n");
}

TEST_F(UserCorpusRules, AddPutsTheTrimmedTextFirstInTheCategoryOfTheSelection) {
  int category = -1;
  EXPECT_EQ(Message(corpus_.AddTarget(std::nullopt, &category)), "请选择增加的分类!");
  ASSERT_EQ(corpus_.AddTarget(CorpusNode{0, 1}, &category), CorpusOutcome::Done);  // an entry
  EXPECT_EQ(category, 0);
  EXPECT_EQ(corpus_.Add(category, " \t" + Gbk("张强") + "  "), CorpusOutcome::Done);
  EXPECT_EQ(corpus_.Tree()[0].entries.front(), Gbk("张强"));
  EXPECT_EQ(Dat(), Gbk("人名") + "\r\n\t" + Gbk("张强") + "\r\n\t" + Gbk("李明") + "\r\n\t" +
                       Gbk("王芳") + "\r\n" + Gbk("地名") + "\r\n\t" + Gbk("北京") + "\r\n");
}

TEST_F(UserCorpusRules, AddRefusalsLeaveTreeAndFileAlone) {
  const CorpusTree before = corpus_.Tree();
  EXPECT_EQ(Message(corpus_.Add(0, " \t ")), "请输入的内容不正确!");
  EXPECT_EQ(Message(corpus_.Add(0, Gbk("甲") + "\r\n" + Gbk("乙"))), "请输入的内容不正确!");
  EXPECT_EQ(Message(corpus_.Add(0, Zhong(33))), "注意: 输入内容最多为32个汉字长度!");
  EXPECT_EQ(Message(corpus_.Add(0, Gbk("地名"))), "输入的内容已经存在, 请检查!");  // a category
  EXPECT_EQ(Message(corpus_.Add(1, " " + Gbk("王芳"))), "输入的内容已经存在, 请检查!");
  EXPECT_EQ(corpus_.Tree().size(), before.size());
  EXPECT_EQ(corpus_.Tree()[0].entries, before[0].entries);
  EXPECT_EQ(corpus_.Tree()[1].entries, before[1].entries);
  EXPECT_EQ(Dat(), original_);
}

TEST_F(UserCorpusRules, ThirtyTwoCharactersAreTheLongestEntry) {
  EXPECT_NE(corpus_.Add(1, Zhong(32)), CorpusOutcome::TooLong);
  EXPECT_EQ(corpus_.Tree()[1].entries.front(), Zhong(32));
  EXPECT_EQ(corpus_.Modify(CorpusNode{1, 0}, Zhong(33)), CorpusOutcome::TooLong);
}

TEST_F(UserCorpusRules, ModifyTakesTheAnswerAsTypedAndWorksOnCategories) {
  EXPECT_EQ(Message(corpus_.CheckModify(std::nullopt)), "请选择修改的内容!");
  EXPECT_EQ(Message(corpus_.Modify(CorpusNode{0, 0}, "")), "输入内容不能为空!");
  EXPECT_EQ(Message(corpus_.Modify(CorpusNode{0, 0}, Gbk("北京"))), "输入的内容已经存在, 请检查!");
  EXPECT_EQ(Dat(), original_);

  corpus_.Modify(CorpusNode{0, 1}, "   ");  // blanks only: accepted, not trimmed
  corpus_.Modify(CorpusNode{1, -1}, Gbk("城市"));
  EXPECT_EQ(corpus_.Tree()[0].entries[1], "   ");
  EXPECT_EQ(corpus_.Tree()[1].text, Gbk("城市"));
  EXPECT_EQ(Dat(), Gbk("人名") + "\r\n\t" + Gbk("李明") + "\r\n\t   \r\n" + Gbk("城市") + "\r\n\t" +
                       Gbk("北京") + "\r\n");
}

TEST_F(UserCorpusRules, ModifyToTheSameTextWritesNothing) {
  std::filesystem::remove("srf_pub.dat");
  EXPECT_EQ(corpus_.Modify(CorpusNode{0, 0}, Gbk("李明")), CorpusOutcome::Unchanged);
  EXPECT_FALSE(std::filesystem::exists("srf_pub.dat"));
}

TEST_F(UserCorpusRules, DeleteRemovesOnlyEntries) {
  EXPECT_EQ(Message(corpus_.CheckDelete(std::nullopt)), "请选择要删除的内容!");
  EXPECT_EQ(Message(corpus_.CheckDelete(CorpusNode{1, -1})), "分类不能删除!");
  EXPECT_EQ(corpus_.CheckDelete(CorpusNode{0, 0}), CorpusOutcome::Done);
  corpus_.Delete(CorpusNode{0, 0});
  EXPECT_EQ(Dat(), Gbk("人名") + "\r\n\t" + Gbk("王芳") + "\r\n" + Gbk("地名") + "\r\n\t" +
                       Gbk("北京") + "\r\n");
}

TEST_F(UserCorpusRules, AChangeThatCannotBeWrittenIsDropped) {
  // A folder in the file's place: the new file cannot replace it.
  std::filesystem::remove("srf_pub.dat");
  std::filesystem::create_directory("srf_pub.dat");
  std::filesystem::create_directory("srf_pub.dat/keep");
  EXPECT_EQ(corpus_.Add(0, Gbk("张强")), CorpusOutcome::CorpusNotWritten);
  EXPECT_EQ(corpus_.Tree()[0].entries.size(), 2u);
  EXPECT_EQ(corpus_.Modify(CorpusNode{0, 0}, Gbk("张强")), CorpusOutcome::CorpusNotWritten);
  EXPECT_EQ(corpus_.Tree()[0].entries[0], Gbk("李明"));
  EXPECT_FALSE(testing::TemporaryFileLeft("srf_pub.dat"));
}

}  // namespace
}  // namespace dazi
