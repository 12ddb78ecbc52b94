// TForm_User_Main: the user corpus editor "用户语料". It shows srf_pub.dat as a tree of
// categories and entries and lets the user add, modify and delete entries; the rules and the
// rewriting of srf_pub.dat and srf_pub.usr live in UserCorpus. Its message, confirmation and
// input boxes go through CorpusPrompts, so tests can answer them.
#pragma once

#include <QAction>
#include <QDialog>
#include <QString>
#include <QTreeWidget>
#include <functional>
#include <optional>

#include "ui/usercorpus/UserCorpus.h"

namespace dazi {

struct CorpusPrompts {
  // A message box with an OK button.
  std::function<void(QWidget* parent, const QString& caption, const QString& text)> notice;
  // A box with OK and Cancel; true for OK.
  std::function<bool(QWidget* parent, const QString& caption, const QString& text)> confirm;
  // A one-line input box; nullopt when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const QString& caption,
                                       const QString& prompt, const QString& initial)>
      input;

  // The toolkit's own message, confirmation and input boxes.
  static CorpusPrompts Standard();
};

class TForm_User_Main : public QDialog {
 public:
  explicit TForm_User_Main(QWidget* parent = nullptr,
                           CorpusPrompts prompts = CorpusPrompts::Standard());

  void SetPrompts(CorpusPrompts prompts) { prompts_ = std::move(prompts); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void FormShow();
  void MenuItemClick(QAction* sender);
  void Image1Click();
  void AddEntry();
  void ModifyNode();
  void DeleteEntry();
  void WriteUserLexicon(bool showMessage);

  // The tree widget mirrors corpus_; select is the node to show selected afterwards.
  void FillTree(std::optional<CorpusNode> select);
  std::optional<CorpusNode> Selected() const;
  // Shows the outcome's message, if it has one; true when the command went through.
  bool Report(CorpusOutcome outcome);
  void Notice(const QString& text);

  CorpusPrompts prompts_;
  UserCorpus corpus_;
  bool shown_ = false;
  QTreeWidget* treeView1_ = nullptr;
  QAction* menuNew_ = nullptr;
  QAction* menuSave_ = nullptr;
  QAction* menuQuit_ = nullptr;
  QAction* menuEdit_ = nullptr;
  QAction* menuDelete_ = nullptr;
};

}  // namespace dazi
