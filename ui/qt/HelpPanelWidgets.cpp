#include "ui/qt/HelpPanelWidgets.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <initializer_list>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

QTreeWidget* MakeTree(QWidget* window, const char* name) {
  auto* tree = new QTreeWidget(window);
  tree->setObjectName(QString::fromLatin1(name));
  tree->setGeometry(layout::kHelpTree);
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  tree->setRootIsDecorated(false);  // a flat list of topics
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setFont(SongFont(layout::kHelpTreeFontPixels));
  tree->setIconSize(layout::kHelpTreeIconSize);  // small icons keep every topic in sight
  tree->setUniformRowHeights(true);
  // The CJK font's tall line spacing would leave the last topics out of sight.
  tree->setStyleSheet(
      QStringLiteral("QTreeView::item { height: %1px; }").arg(layout::kHelpTreeRowPixels));
  tree->setAttribute(Qt::WA_NoMousePropagation);  // a click on the tree never drags the window
  tree->setFocusPolicy(Qt::NoFocus);  // reading a topic leaves the keyboard with the practice area
  return tree;
}

QPlainTextEdit* MakeMemo2(QWidget* window) {
  auto* memo = new QPlainTextEdit(window);
  memo->setObjectName(QStringLiteral("Memo2"));
  memo->setGeometry(layout::kMemo2);
  memo->setReadOnly(true);
  memo->setFrameShape(QFrame::NoFrame);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // most topics are longer than the box
  memo->setFocusPolicy(Qt::NoFocus);  // reading it leaves the keyboard with the practice area
  memo->setAttribute(Qt::WA_NoMousePropagation);
  memo->setFont(SongFont(layout::kMemoFontPixels));
  QPalette palette = memo->palette();
  palette.setColor(QPalette::Text, layout::kHelpText);
  memo->setPalette(palette);
  return memo;
}

void FillTree(QTreeWidget* tree, std::span<const HelpTopic> topics) {
  tree->clear();
  // Image 1 of the shared image list: any small picture serves; the style's file icon.
  const QIcon image = tree->style()->standardIcon(QStyle::SP_FileIcon);
  for (const HelpTopic& topic : topics) {
    auto* node = new QTreeWidgetItem(tree);
    node->setText(0, QString::fromUtf8(topic.title.data(), std::ssize(topic.title)));
    node->setIcon(0, image);
  }
}

}  // namespace

HelpPanelWidgets::HelpPanelWidgets(QWidget* window, std::function<void()> focusPractice)
    : focusPractice_(std::move(focusPractice)),
      treeView1_(MakeTree(window, "TreeView1")),
      treeView2_(MakeTree(window, "TreeView2")),
      memo2_(MakeMemo2(window)) {
  treeView2_->hide();
  treeView1_->show();
  memo2_->show();
  auto bind = [this](QTreeWidget* tree, std::span<const HelpTopic> topics) {
    QObject::connect(
        tree, &QTreeWidget::currentItemChanged, tree,
        [this, tree, topics](QTreeWidgetItem* node) { TreeViewChange(node, tree, topics); });
  };
  bind(treeView1_, PinyinHelpTopics());
  bind(treeView2_, KeypadHelpTopics());
  // A click beside the topics clears the selection but keeps the topic and its text: the
  // topic shown stays marked.
  for (QTreeWidget* tree : {treeView1_, treeView2_})
    QObject::connect(tree, &QTreeWidget::itemSelectionChanged, tree, [tree] {
      if (tree->selectedItems().isEmpty() && tree->currentItem() != nullptr)
        tree->currentItem()->setSelected(true);
    });
  // TreeView1Click (bound to both trees) and Memo2Click: every click, on a topic or beside
  // the topics, gives the keyboard back.
  for (QAbstractScrollArea* area :
       std::initializer_list<QAbstractScrollArea*>{treeView1_, treeView2_, memo2_})
    for (QWidget* part : {static_cast<QWidget*>(area), area->viewport(),
                          static_cast<QWidget*>(area->verticalScrollBar())})
      OnClick(part, [this] { focusPractice_(); });
}

void HelpPanelWidgets::ShowFirstTopic() {
  if (treeView2_->isVisibleTo(treeView2_->parentWidget()))
    ShowFirstTopic(treeView2_, KeypadHelpTopics());
  else
    ShowFirstTopic(treeView1_, PinyinHelpTopics());
}

void HelpPanelWidgets::BuildHelpTrees() {
  FillTree(treeView2_, KeypadHelpTopics());
  FillTree(treeView1_, PinyinHelpTopics());
  treeView1_->setItemsExpandable(true);
  treeView1_->expandAll();
  treeView1_->setCurrentItem(treeView1_->topLevelItem(0));
}

void HelpPanelWidgets::Paint(const HelpView& view) {
  treeView2_->setVisible(view.keypadTreeVisible);
  treeView1_->setVisible(!view.keypadTreeVisible);  // it lies under TreeView2
  if (view.topicRequests == shownTopicRequests_) return;
  shownTopicRequests_ = view.topicRequests;
  if (view.keypadTreeVisible)
    ShowFirstTopic(treeView2_, KeypadHelpTopics());
  else
    ShowFirstTopic(treeView1_, PinyinHelpTopics());
}

// Node 0 is shown again even when it is already selected, which emits no change.
void HelpPanelWidgets::ShowFirstTopic(QTreeWidget* tree, std::span<const HelpTopic> topics) {
  QTreeWidgetItem* first = tree->topLevelItem(0);
  tree->setCurrentItem(first);
  TreeViewChange(first, tree, topics);
}

// TreeView1Change / TreeView2Change: Memo2 shows the lines of the topic at the node's place.
void HelpPanelWidgets::TreeViewChange(QTreeWidgetItem* node, QTreeWidget* tree,
                                      std::span<const HelpTopic> topics) {
  memo2_->clear();
  const int place = node ? tree->indexOfTopLevelItem(node) : -1;
  if (place < 0 || place >= std::ssize(topics)) return;
  QStringList lines;
  for (std::string_view line : topics[static_cast<std::size_t>(place)].lines)
    lines.append(QString::fromUtf8(line.data(), std::ssize(line)));
  memo2_->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace dazi
