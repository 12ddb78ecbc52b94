#include "ui/qt/LessonChooser.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/lessons/LessonPractice.h"
#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr int kIdRole = Qt::UserRole;

QString MethodCaption(lessons::LessonMethod method) {
  switch (method) {
    case lessons::LessonMethod::Pinyin:
      return QStringLiteral("拼音");
    case lessons::LessonMethod::Keypad:
      return QStringLiteral("ＫＸ");
    case lessons::LessonMethod::Any:
      break;
  }
  return QString();
}

}  // namespace

QString LessonChooser::AskTextFile(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("打开文本文件"), QString(),
                                      QStringLiteral("文本文件 (*.txt)"));
}

LessonChooser::LessonChooser(QWidget* parent, const std::vector<lessons::Lesson>& lessons,
                             const std::map<std::string, lessons::LessonSummary>& summaries,
                             AskFile askFile)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LessonChooser"));
  setWindowTitle(QStringLiteral("课程练习"));
  setFont(SansFont(layout::kApplicationFontPixels));
  resize(560, 520);
  auto* layout = new QVBoxLayout(this);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("LessonTree"));
  tree_->setHeaderLabels({QStringLiteral("课程"), QStringLiteral("输入法"),
                          QStringLiteral("最好速度"), QStringLiteral("上次正确率")});
  tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  std::map<std::string, QTreeWidgetItem*> groups;
  for (const lessons::Lesson& lesson : lessons) {
    QTreeWidgetItem*& group = groups[lesson.group];
    if (!group) {
      group = new QTreeWidgetItem(tree_, {QString::fromStdString(lesson.group)});
      group->setFlags(Qt::ItemIsEnabled);
      group->setExpanded(groups.size() == 1);
    }
    auto* item = new QTreeWidgetItem(
        group, {QString::fromStdString(lesson.title), MethodCaption(lesson.method)});
    item->setData(0, kIdRole, QString::fromStdString(lesson.id));
    if (const auto found = summaries.find(lesson.id); found != summaries.end()) {
      item->setText(2, QStringLiteral("%1 字/分").arg(found->second.bestCpm, 0, 'f', 1));
      item->setText(3, QStringLiteral("%1%").arg(found->second.lastAccuracy, 0, 'f', 1));
    }
  }
  connect(tree_, &QTreeWidget::itemActivated, this, [this] { AcceptCurrent(); });
  layout->addWidget(tree_);

  // A timed test runs over the lesson's text for a few minutes.
  timeLimit_ = new QComboBox(this);
  timeLimit_->setObjectName(QStringLiteral("LessonTimeLimit"));
  timeLimit_->addItem(QStringLiteral("不限时"), 0);
  for (const int minutes : lessons::kTimedTestMinutes)
    timeLimit_->addItem(QStringLiteral("限时 %1 分钟").arg(minutes), minutes);
  layout->addWidget(timeLimit_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* start = buttons->addButton(QStringLiteral("开始练习"), QDialogButtonBox::AcceptRole);
  start->setObjectName(QStringLiteral("LessonStart"));
  QPushButton* file =
      buttons->addButton(QStringLiteral("打开文本文件..."), QDialogButtonBox::ActionRole);
  file->setObjectName(QStringLiteral("LessonOpenFile"));
  buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  connect(start, &QPushButton::clicked, this, [this] { AcceptCurrent(); });
  connect(file, &QPushButton::clicked, this, [this, askFile = std::move(askFile)] {
    const QString path = askFile(this);
    if (path.isEmpty()) return;
    choice_ = path.toStdString();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int LessonChooser::Minutes() const {
  return timeLimit_->currentData().toInt();
}

void LessonChooser::AcceptCurrent() {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item || item->data(0, kIdRole).isNull()) return;
  choice_ = item->data(0, kIdRole).toString().toStdString();
  accept();
}

}  // namespace dazi
