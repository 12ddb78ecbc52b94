#include "ui/qt/Unit_User_Main.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/core/DataLocation.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/UserLexicon.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

// dazi has no web site of its own: the picture opens the project's README.
constexpr const char* kHomePage = DAZI_HOME_PAGE;

const QString kNoticeCaption = QStringLiteral("提示框");

}  // namespace

CorpusPrompts CorpusPrompts::Standard() {
  CorpusPrompts p;
  p.notice = [](QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.exec();
  };
  p.confirm = [](QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return box.exec() == QMessageBox::Ok;
  };
  p.input = [](QWidget* parent, const QString& caption, const QString& prompt,
               const QString& initial) -> std::optional<QString> {
    bool ok = false;
    QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return answer;
  };
  return p;
}

TForm_User_Main::TForm_User_Main(QWidget* parent, CorpusPrompts prompts)
    : QDialog(parent), prompts_(std::move(prompts)) {
  setObjectName(QStringLiteral("Form_User_Main"));
  setWindowTitle(QStringLiteral("用户语料"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  resize(420, 480);

  treeView1_ = new QTreeWidget(this);
  treeView1_->setObjectName(QStringLiteral("TreeView1"));
  treeView1_->setHeaderHidden(true);
  treeView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus();
  BuildToolBar();
  layout->addWidget(treeView1_);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void TForm_User_Main::BuildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto item = [this](QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, action] { MenuItemClick(action); });
    return action;
  };
  QMenu* file = bar->addMenu(QStringLiteral("文件（&F）"));
  menuNew_ = item(file, "MenuNew", QStringLiteral("新增（&N）"));
  file->addSeparator();
  menuSave_ = item(file, "MenuSave", QStringLiteral("保存（&S）"));
  file->addSeparator();
  menuQuit_ = item(file, "MenuQuit", QStringLiteral("退出（&X）"));
  QMenu* edit = bar->addMenu(QStringLiteral("编辑（&E）"));
  menuEdit_ = item(edit, "MenuEdit", QStringLiteral("修改(&U)"));
  edit->addSeparator();
  menuDelete_ = item(edit, "MenuDelete", QStringLiteral("删除（&D）"));
  QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
  help->addAction(QStringLiteral("系统帮助（&E）"))
      ->setObjectName(QStringLiteral("MenuSystemHelp"));
  help->addSeparator();
  help->addAction(QStringLiteral("版本信息（&I）"))
      ->setObjectName(QStringLiteral("MenuVersionHelp"));
  help->menuAction()->setVisible(false);
  layout()->setMenuBar(bar);
}

void TForm_User_Main::BuildToolBar() {
  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  const std::pair<const char*, QAction*> buttons[] = {{"新增", menuNew_},    {"修改", menuEdit_},
                                                      {"删除", menuDelete_}, {"保存", menuSave_},
                                                      {"退出", menuQuit_},   {nullptr, nullptr}};
  int number = 1;
  for (const auto& [hint, menuItem] : buttons) {
    const QString caption = hint ? QString::fromUtf8(hint) : QString();
    QAction* button = toolBar->addAction(caption);
    button->setObjectName(QStringLiteral("ToolButton%1").arg(number++));
    button->setToolTip(caption);
    if (menuItem)  // the sixth button has no action
      connect(button, &QAction::triggered, this, [this, item = menuItem] { MenuItemClick(item); });
  }
  auto* spacer = new QWidget(toolBar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolBar->addWidget(spacer);
  auto* image1 = new ClickLabel(QStringLiteral("主页"), toolBar);
  image1->setObjectName(QStringLiteral("Image1"));
  image1->setCursor(Qt::PointingHandCursor);
  image1->onPress = [this](const QMouseEvent&) { Image1Click(); };
  toolBar->addWidget(image1);
  layout()->addWidget(toolBar);
}

void TForm_User_Main::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
  shown_ = true;
}

// Loads both files and rebuilds srf_pub.usr once. When a file cannot be read nothing is
// rebuilt and the editor takes no changes; words that only srf_pub.usr holds are put back
// into srf_pub.dat first, so the rebuild keeps them. The user is told either way.
void TForm_User_Main::FormShow() {
  const std::vector<std::string> messages = corpus_.Open(DictionaryPath(kZcFile));
  FillTree(std::nullopt);
  for (const std::string& text : messages) Notice(QString::fromStdString(text));
}

void TForm_User_Main::MenuItemClick(QAction* sender) {
  if (sender == menuNew_) AddEntry();
  if (sender == menuEdit_) ModifyNode();
  if (sender == menuDelete_) DeleteEntry();
  if (sender == menuSave_) WriteUserLexicon(true);
  if (sender == menuQuit_) close();
}

void TForm_User_Main::Image1Click() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(kHomePage)));
}

void TForm_User_Main::AddEntry() {
  const std::optional<CorpusNode> selected = Selected();
  int category = 0;
  if (!Report(corpus_.AddTarget(selected, &category))) return;
  const QString prompt = Caption(corpus_.Text(CorpusNode{category, -1})) + QLatin1Char(' ');
  const std::optional<QString> answer =
      prompts_.input(this, QStringLiteral("输入框"), prompt, QString());
  if (!answer) return;
  // A character without a GBK code cannot be stored in the corpus file.
  const std::optional<std::string> text = TryGbkFromUtf8(answer->toStdString());
  if (!text) return void(Report(CorpusOutcome::InvalidText));
  if (Report(corpus_.Add(category, *text))) FillTree(CorpusNode{category, 0});
}

void TForm_User_Main::ModifyNode() {
  const std::optional<CorpusNode> selected = Selected();
  if (!Report(corpus_.CheckModify(selected))) return;
  const std::optional<QString> answer = prompts_.input(
      this, QStringLiteral("输入框"), QStringLiteral("内容"), Caption(corpus_.Text(*selected)));
  if (!answer) return;
  const std::optional<std::string> text = TryGbkFromUtf8(answer->toStdString());
  if (!text) return void(Report(CorpusOutcome::InvalidText));
  const CorpusOutcome outcome = corpus_.Modify(*selected, *text);
  if (outcome != CorpusOutcome::Unchanged && Report(outcome)) FillTree(selected);
}

void TForm_User_Main::DeleteEntry() {
  const std::optional<CorpusNode> selected = Selected();
  if (!Report(corpus_.CheckDelete(selected))) return;
  const QString question =
      QStringLiteral("确定要删除[") + Caption(corpus_.Text(*selected)) + QStringLiteral("]吗?");
  if (!prompts_.confirm(this, QStringLiteral("确认框"), question)) return;
  if (Report(corpus_.Delete(*selected))) FillTree(CorpusNode{selected->category, -1});
}

void TForm_User_Main::WriteUserLexicon(bool showMessage) {
  if (!corpus_.Editable()) return void(Report(CorpusOutcome::NotEditable));
  const bool written = corpus_.WriteUserLexicon();
  FillTree(Selected());  // read again if another program had changed srf_pub.dat
  if (!written) return void(Report(CorpusOutcome::LexiconBehind));
  if (showMessage) Notice(QStringLiteral("祝贺：保存完成!"));
}

bool TForm_User_Main::Report(CorpusOutcome outcome) {
  const std::string message = OutcomeMessage(outcome);
  // The tree may have changed without the command: written with a lexicon that lags
  // behind, or read again after another program changed the file.
  if (outcome == CorpusOutcome::LexiconBehind || outcome == CorpusOutcome::ChangedElsewhere)
    FillTree(std::nullopt);
  if (!message.empty()) Notice(QString::fromStdString(message));
  return outcome == CorpusOutcome::Done;
}

void TForm_User_Main::Notice(const QString& text) {
  prompts_.notice(this, kNoticeCaption, text);
}

void TForm_User_Main::FillTree(std::optional<CorpusNode> select) {
  treeView1_->clear();
  QTreeWidgetItem* selectedItem = nullptr;
  const CorpusTree& tree = corpus_.Tree();
  for (std::size_t c = 0; c < tree.size(); ++c) {
    auto* category = new QTreeWidgetItem(treeView1_, QStringList(Caption(tree[c].text)));
    for (std::size_t e = 0; e < tree[c].entries.size(); ++e) {
      auto* entry = new QTreeWidgetItem(category, QStringList(Caption(tree[c].entries[e])));
      if (select && select->category == static_cast<int>(c) && select->entry == static_cast<int>(e))
        selectedItem = entry;
    }
    if (select && select->category == static_cast<int>(c) && select->IsCategory())
      selectedItem = category;
  }
  treeView1_->expandAll();
  if (selectedItem) treeView1_->setCurrentItem(selectedItem);
}

std::optional<CorpusNode> TForm_User_Main::Selected() const {
  QTreeWidgetItem* item = treeView1_->currentItem();
  if (item == nullptr || !item->isSelected()) return std::nullopt;
  if (QTreeWidgetItem* parent = item->parent())
    return CorpusNode{treeView1_->indexOfTopLevelItem(parent), parent->indexOfChild(item)};
  return CorpusNode{treeView1_->indexOfTopLevelItem(item), -1};
}

}  // namespace dazi
