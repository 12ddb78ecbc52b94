// The help column: the tree of the active method, its topics and the text box Memo2.
#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include "tests/gui/WindowFixture.h"

namespace dazi::testing {
namespace {

class HelpPanel : public WindowTest {
 protected:
  QTreeWidget* Tree(const char* name) const { return Control<QTreeWidget>(name); }
  QString Memo2() const { return Control<QPlainTextEdit>("Memo2")->toPlainText(); }
  int SelectedNode(const char* tree) const {
    return Tree(tree)->indexOfTopLevelItem(Tree(tree)->currentItem());
  }
  void ClickTopic(const char* tree, int node) const {
    QTreeWidget* view = Tree(tree);
    view->scrollToItem(view->topLevelItem(node));  // as a user scrolls to it
    const QRect place = view->visualItemRect(view->topLevelItem(node));
    ASSERT_FALSE(place.isEmpty()) << tree << " node " << node;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
  }
};

const QString kPinyinStart = QStringLiteral("    澜音输入法是标准拼音输入方法");
const QString kKeypadStart = QStringLiteral("    KX输入法是极其简单易学的数字小键盘输入方法");

TEST_F(HelpPanel, StartsWithThePinyinTreeAndItsFirstTopic) {
  EXPECT_TRUE(Shown("TreeView1"));
  EXPECT_FALSE(Shown("TreeView2"));
  EXPECT_EQ(Tree("TreeView1")->geometry(), Tree("TreeView2")->geometry());
  ASSERT_EQ(Tree("TreeView1")->topLevelItemCount(), 11);
  ASSERT_EQ(Tree("TreeView2")->topLevelItemCount(), 12);
  EXPECT_EQ(Tree("TreeView1")->topLevelItem(0)->text(0), QStringLiteral("澜音输入法说明"));
  EXPECT_EQ(Tree("TreeView1")->topLevelItem(10)->text(0), QStringLiteral("十、选择KX"));
  EXPECT_EQ(Tree("TreeView2")->topLevelItem(11)->text(0), QStringLiteral("十一、选择澜音"));
  EXPECT_FALSE(Tree("TreeView1")->topLevelItem(0)->icon(0).isNull());
  EXPECT_EQ(SelectedNode("TreeView1"), 0);

  const QStringList lines = Memo2().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 6);
  EXPECT_TRUE(lines.front().startsWith(kPinyinStart)) << lines.front().toStdString();
  EXPECT_EQ(lines.back(), QStringLiteral("自由输出，使用方便。"));
  EXPECT_TRUE(Control<QPlainTextEdit>("Memo2")->isReadOnly());
  EXPECT_TRUE(Shown("Memo2"));

  // Every topic of the longer tree is in sight without scrolling; a long text scrolls.
  const int rowHeight =
      Tree("TreeView1")->visualItemRect(Tree("TreeView1")->topLevelItem(0)).height();
  EXPECT_LE(12 * rowHeight, Tree("TreeView1")->viewport()->height()) << rowHeight;
  QCoreApplication::processEvents();
  EXPECT_GT(Control<QPlainTextEdit>("Memo2")->verticalScrollBar()->maximum(), 0);
}

TEST_F(HelpPanel, MethodSwitchShowsTheFirstTopicOfTheNewMethod) {
  Click("SpeedButtonKX");
  EXPECT_TRUE(Shown("TreeView2"));
  EXPECT_FALSE(Shown("TreeView1"));
  EXPECT_EQ(SelectedNode("TreeView2"), 0);
  EXPECT_TRUE(Memo2().startsWith(kKeypadStart)) << Memo2().toStdString();

  Click("SpeedButtonLY");  // node 0 of TreeView1 was selected all along
  EXPECT_TRUE(Shown("TreeView1"));
  EXPECT_FALSE(Shown("TreeView2"));
  EXPECT_TRUE(Memo2().startsWith(kPinyinStart)) << Memo2().toStdString();

  Click("Label14");  // the status bar's method caption switches too
  EXPECT_TRUE(Shown("TreeView2"));
  EXPECT_TRUE(Memo2().startsWith(kKeypadStart)) << Memo2().toStdString();
}

TEST_F(HelpPanel, ClickingATopicShowsItsTextAndReturnsTheKeyboard) {
  ClickTopic("TreeView1", 1);
  EXPECT_EQ(SelectedNode("TreeView1"), 1);
  EXPECT_TRUE(Memo2().startsWith(QStringLiteral("    完全按照标准的汉语拼音规则")))
      << Memo2().toStdString();
  EXPECT_TRUE(Memo2().endsWith(QStringLiteral("    注：中英切换使用Ctrl键。")));
  EXPECT_FALSE(Memo2().contains(kPinyinStart));
  EXPECT_EQ(window_->focusWidget(), Memo1());

  // The next key goes to the practice area.
  QTest::keyClicks(Memo1(), "zhong");
  EXPECT_TRUE(Shown("Panel2"));
}

// Beside the topics, on the text or its scroll bar: every click leaves the keys with the
// practice area.
TEST_F(HelpPanel, EveryClickInTheHelpColumnReturnsTheKeyboard) {
  QTreeWidget* tree = Tree("TreeView1");
  const QRect last = tree->visualItemRect(tree->topLevelItem(tree->topLevelItemCount() - 1));
  ASSERT_LT(last.bottom() + 20, tree->viewport()->height());
  ClickTopic("TreeView1", 2);
  const QString text = Memo2();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(20, last.bottom() + 20));
  EXPECT_EQ(window_->focusWidget(), Memo1());
  // The topic whose text stays stays marked.
  EXPECT_EQ(Memo2(), text);
  ASSERT_EQ(tree->selectedItems().size(), 1);
  EXPECT_EQ(tree->selectedItems().front(), tree->topLevelItem(2));
  auto* memo2 = Control<QPlainTextEdit>("Memo2");
  QTest::mouseClick(memo2->verticalScrollBar(), Qt::LeftButton, {},
                    memo2->verticalScrollBar()->rect().center());
  EXPECT_EQ(window_->focusWidget(), Memo1());
  QTest::keyClicks(window_->focusWidget(), "zhong");
  EXPECT_TRUE(Shown("Panel2"));
}

TEST_F(HelpPanel, HelpMenuItemShowsTheFirstTopicOfTheActiveMethod) {
  Click("SpeedButtonKX");
  ClickTopic("TreeView2", 5);
  Control<QAction>("N2")->trigger();
  EXPECT_EQ(SelectedNode("TreeView2"), 0);
  EXPECT_TRUE(Memo2().startsWith(kKeypadStart)) << Memo2().toStdString();
  EXPECT_EQ(window_->focusWidget(), Memo1());
}

TEST_F(HelpPanel, ChoosingATopicAgainRedrawsOnlyItsText) {
  ClickTopic("TreeView1", 3);
  const QString sentences = Memo2();
  EXPECT_TRUE(sentences.contains(QStringLiteral("BackSpace键：用于删除多输入的字母。")));
  ClickTopic("TreeView1", 8);
  EXPECT_TRUE(Memo2().contains(QStringLiteral("20902")));
  ClickTopic("TreeView1", 3);
  EXPECT_EQ(Memo2(), sentences);
}

TEST_F(HelpPanel, SwitchBackShowsNodeZeroEvenAfterAnotherTopicWasChosen) {
  Click("SpeedButtonKX");
  ClickTopic("TreeView2", 5);
  EXPECT_TRUE(Memo2().contains(QStringLiteral("0、7、8、9")));
  Click("SpeedButtonLY");
  Click("SpeedButtonKX");
  EXPECT_EQ(SelectedNode("TreeView2"), 0);
  EXPECT_TRUE(Memo2().startsWith(kKeypadStart)) << Memo2().toStdString();
}

}  // namespace
}  // namespace dazi::testing
