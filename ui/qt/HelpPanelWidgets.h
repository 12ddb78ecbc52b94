// The help column: TreeView1 (topics of 澜音) and TreeView2 (topics of KX) in one place, and
// Memo2, which shows the text of the chosen topic.
#pragma once

#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <span>

#include "ui/controller/HelpTopics.h"
#include "ui/controller/ViewState.h"

namespace dazi {

class HelpPanelWidgets {
 public:
  // focusPractice gives the keyboard back to the practice area after a click on the help.
  HelpPanelWidgets(QWidget* window, std::function<void()> focusPractice);

  // Fills both trees, keypad tree first, then expands TreeView1 and selects its node 0.
  void BuildHelpTrees();
  // Shows the tree of the active method; after a method switch, node 0 of that tree.
  void Paint(const HelpView& view);
  // Selects node 0 of the visible tree and shows its topic ("帮助...").
  void ShowFirstTopic();

 private:
  void TreeViewChange(QTreeWidgetItem* node, QTreeWidget* tree, std::span<const HelpTopic> topics);
  void ShowFirstTopic(QTreeWidget* tree, std::span<const HelpTopic> topics);

  std::function<void()> focusPractice_;
  QTreeWidget* treeView1_ = nullptr;
  QTreeWidget* treeView2_ = nullptr;
  QPlainTextEdit* memo2_ = nullptr;
  int shownTopicRequests_ = 0;
};

}  // namespace dazi
