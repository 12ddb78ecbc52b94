#include "ui/qt/LessonChooser.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/lessons/LessonPractice.h"
#include "ui/lessons/LessonSegments.h"
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

// "163 字，分 2 段": the characters to type, and the segments of a long lesson.
QString LengthCaption(const lessons::Lesson& lesson) {
  if (lesson.lines.empty()) return QString();  // made when it starts
  int characters = 0;
  for (const std::string& line : lesson.lines) characters += lessons::TypedCharacters(line);
  const auto segments = lessons::SplitIntoSegments(lesson).size();
  QString caption = QStringLiteral("%1 字").arg(characters);
  if (segments > 1) caption += QStringLiteral("，分 %1 段").arg(segments);
  return caption;
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
  auto* layout = new QVBoxLayout(this);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("LessonTree"));
  tree_->setHeaderLabels({QStringLiteral("课程"), QStringLiteral("字数"), QStringLiteral("输入法"),
                          QStringLiteral("最好速度"), QStringLiteral("上次正确率")});
  const QFontMetrics metrics(tree_->font());
  int titleWidth = metrics.horizontalAdvance(QStringLiteral("课程"));
  std::map<std::string, QTreeWidgetItem*> groups;
  for (const lessons::Lesson& lesson : lessons) {
    QTreeWidgetItem*& group = groups[lesson.group];
    if (!group) {
      group = new QTreeWidgetItem(tree_, {QString::fromStdString(lesson.group)});
      group->setFlags(Qt::ItemIsEnabled);
      group->setExpanded(groups.size() == 1);
    }
    const QString title = QString::fromStdString(lesson.title);
    titleWidth = std::max(titleWidth, metrics.horizontalAdvance(title));
    auto* item =
        new QTreeWidgetItem(group, {title, LengthCaption(lesson), MethodCaption(lesson.method)});
    item->setData(0, kIdRole, QString::fromStdString(lesson.id));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (const auto found = summaries.find(lesson.id); found != summaries.end()) {
      item->setText(3, QStringLiteral("%1 字/分").arg(found->second.bestCpm, 0, 'f', 1));
      item->setText(4, QStringLiteral("%1%").arg(found->second.lastAccuracy, 0, 'f', 1));
    }
  }
  // Every title whole, those of the groups still folded too; the other columns as wide as
  // their contents.
  QHeaderView* header = tree_->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Fixed);
  header->resizeSection(0, titleWidth + 2 * tree_->indentation() + metrics.averageCharWidth() * 2);
  for (int column = 1; column < tree_->columnCount(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
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
  // Wide enough for every column, within the screen.
  int columns = header->sectionSize(0);
  for (int column = 1; column < tree_->columnCount(); ++column)
    columns += std::max(header->sectionSizeHint(column),
                        static_cast<const QAbstractItemView*>(tree_)->sizeHintForColumn(column));
  resize(std::clamp(columns + 60, 560, 900), 520);
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
