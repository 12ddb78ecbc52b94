#include "ui/qt/LessonResults.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "engine/user/DataFolder.h"
#include "ui/lessons/CharacterFacts.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/lessons/LessonPractice.h"
#include "ui/lessons/StrokePictures.h"
#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/StrokePictureDrawing.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr QSize kChartSize{370, 220};

QValueAxis* Axis(const QString& title, double top) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setTitleFont(SansFont(11));
  axis->setLabelsFont(SansFont(10));
  axis->setRange(0, std::max(top, 1.0));
  axis->setTickCount(5);
  // Round ticks (0, 50, 100, ... rather than 0, 35.8, 71.5, ...): steps of 1, 2 or 5 times a
  // power of ten, the range widened to whole steps.
  axis->applyNiceNumbers();
  const double step = (axis->max() - axis->min()) / std::max(axis->tickCount() - 1, 1);
  axis->setLabelFormat(step < 1 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
  return axis;
}

QChartView* ChartView(QWidget* parent, const QString& name, QChart* chart) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setFont(SansFont(11));
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->setTitleFont(SansFont(layout::kApplicationFontPixels + 1));
  auto* view = new QChartView(chart, parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(kChartSize);
  return view;
}

QChartView* SpeedAlongTheLesson(QWidget* parent, const lessons::LessonRun& run) {
  auto* series = new QLineSeries;
  series->setName(QStringLiteral("速度（字/分）"));
  double maxCpm = 0, maxSeconds = 0;
  for (const lessons::SpeedSample& s : run.SpeedCurve()) {
    series->append(s.seconds, s.cpm);
    maxCpm = std::max(maxCpm, s.cpm);
    maxSeconds = std::max(maxSeconds, s.seconds);
  }
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("本次练习的速度"));
  chart->addSeries(series);
  QValueAxis* x = Axis(QStringLiteral("用时（秒）"), maxSeconds);
  QValueAxis* y = Axis(QStringLiteral("字/分"), maxCpm);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
  return ChartView(parent, QStringLiteral("SpeedChart"), chart);
}

QChartView* PastSessions(QWidget* parent, const std::vector<lessons::SessionRow>& past) {
  auto* speed = new QLineSeries;
  speed->setName(QStringLiteral("速度（字/分）"));
  auto* accuracy = new QLineSeries;
  accuracy->setName(QStringLiteral("正确率（%）"));
  double top = 1;
  for (std::size_t i = 0; i < past.size(); ++i) {
    speed->append(static_cast<double>(i + 1), past[i].cpm);
    accuracy->append(static_cast<double>(i + 1), past[i].accuracy);
    top = std::max(top, past[i].cpm);
  }
  for (QLineSeries* series : {speed, accuracy}) series->setPointsVisible(true);
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("历次练习"));
  chart->addSeries(speed);
  chart->addSeries(accuracy);
  // Runs ended before their last character get a hollow ring on their speed.
  QScatterSeries* unfinished = nullptr;
  for (std::size_t i = 0; i < past.size(); ++i) {
    if (past[i].finished) continue;
    if (!unfinished) {
      unfinished = new QScatterSeries;
      unfinished->setName(QStringLiteral("未练完"));
      unfinished->setMarkerSize(11);
      unfinished->setColor(Qt::transparent);
      unfinished->setBorderColor(QColor(0xd0, 0x1c, 0x1c));
    }
    unfinished->append(static_cast<double>(i + 1), past[i].cpm);
  }
  if (unfinished) chart->addSeries(unfinished);
  QValueAxis* x = Axis(QStringLiteral("第几次"), static_cast<double>(past.size()));
  x->setRange(0, static_cast<double>(past.size()) + 1);
  x->setLabelFormat(QStringLiteral("%.0f"));  // sessions are counted
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(0);
  x->setTickInterval(std::max<double>(1, static_cast<double>(past.size() / 6)));
  QValueAxis* y = Axis(QStringLiteral("字/分"), top);
  QValueAxis* percent = Axis(QStringLiteral("%"), 100);
  percent->setRange(0, 100);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  chart->addAxis(percent, Qt::AlignRight);
  speed->attachAxis(x);
  speed->attachAxis(y);
  accuracy->attachAxis(x);
  accuracy->attachAxis(percent);
  if (unfinished) {
    unfinished->attachAxis(x);
    unfinished->attachAxis(y);
  }
  return ChartView(parent, QStringLiteral("ProgressChart"), chart);
}

constexpr int kPictureSize = 84;

QString FiguresText(const lessons::LessonFigures& f) {
  return QStringLiteral(
             "速度 <b>%1</b> 字/分　正确率 <b>%2%</b>　码长 <b>%3</b>　击键 <b>%4</b>　"
             "回改 <b>%5</b>　退格 <b>%6</b>　用时 <b>%7</b> 秒　进度 <b>%8/%9</b>　"
             "错字 <b>%10</b>")
      .arg(f.cpm, 0, 'f', 1)
      .arg(f.accuracy, 0, 'f', 1)
      .arg(f.keysPerCharacter, 0, 'f', 1)
      .arg(f.keysPerSecond, 0, 'f', 1)
      .arg(f.corrected)
      .arg(f.backspaces)
      .arg(f.seconds, 0, 'f', 1)
      .arg(f.position)
      .arg(f.length)
      .arg(f.wrong);
}

}  // namespace

QString StrokeCaption(const std::string& digits) {
  static const QString kNames[] = {QStringLiteral("横"), QStringLiteral("竖"),
                                   QStringLiteral("撇"), QStringLiteral("点"),
                                   QStringLiteral("折"), QStringLiteral("叉")};
  if (digits.empty()) return QString();
  QString names;
  for (const char d : digits)
    if (d >= '1' && d <= '6') names += kNames[d - '1'];
  return QString::fromStdString(digits) + QStringLiteral("（") + names + QStringLiteral("）");
}

LessonResults::LessonResults(QWidget* parent, const lessons::LessonRun& run,
                             const std::vector<lessons::SessionRow>& past, ResultActions actions)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LessonResults"));
  setWindowTitle(QStringLiteral("练习结果 - ") + QString::fromStdString(run.Source().title));
  setFont(SansFont(layout::kApplicationFontPixels));
  auto* layout = new QVBoxLayout(this);
  auto* figures = new QLabel(FiguresText(run.Figures()), this);
  figures->setObjectName(QStringLiteral("ResultFigures"));
  layout->addWidget(figures);

  auto* charts = new QHBoxLayout;
  speedChart_ = SpeedAlongTheLesson(this, run);
  progressChart_ = PastSessions(this, past);
  charts->addWidget(speedChart_);
  charts->addWidget(progressChart_);
  layout->addLayout(charts);

  const std::vector<lessons::CharTally> missed = lessons::MostMissed(run.Tallies(), kMissedShown);
  auto* caption = new QLabel(
      missed.empty() ? QStringLiteral("本次没有错字。") : QStringLiteral("错得最多的字："), this);
  layout->addWidget(caption);
  missed_ = new QTableWidget(static_cast<int>(missed.size()), 5, this);
  missed_->setObjectName(QStringLiteral("MissedCharacters"));
  missed_->setHorizontalHeaderLabels({QStringLiteral("字"), QStringLiteral("拼音"),
                                      QStringLiteral("ＫＸ笔画码"), QStringLiteral("错/练"),
                                      QStringLiteral("笔顺（蓝：第几笔　红：键）")});
  missed_->verticalHeader()->hide();
  missed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  missed_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
  const std::string pictures =
      SuppliedFolder() + "/" + lessons::kLessonsFolder + "/" + lessons::kStrokePicturesFile;
  for (std::size_t i = 0; i < missed.size(); ++i) {
    const lessons::CharacterFacts facts = lessons::FactsOf(missed[i].character);
    const int row = static_cast<int>(i);
    auto* character = new QTableWidgetItem(QString::fromStdString(missed[i].character));
    character->setFont(SongFont(20));
    character->setTextAlignment(Qt::AlignCenter);
    missed_->setItem(row, 0, character);
    missed_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(facts.pinyin)));
    missed_->setItem(row, 2, new QTableWidgetItem(StrokeCaption(facts.strokes)));
    missed_->setItem(
        row, 3,
        new QTableWidgetItem(QStringLiteral("%1/%2").arg(missed[i].wrong).arg(missed[i].seen)));
    if (const std::optional<lessons::StrokePicture> picture =
            lessons::FindStrokePicture(pictures, missed[i].character)) {
      auto* label = new QLabel(missed_);
      label->setObjectName(QStringLiteral("StrokePicture"));
      label->setPixmap(DrawStrokePicture(*picture, kPictureSize));
      label->setAlignment(Qt::AlignCenter);
      missed_->setCellWidget(row, 4, label);
      missed_->setRowHeight(row, kPictureSize + 4);
    }
  }
  missed_->setVisible(!missed.empty());
  missed_->setMinimumHeight(kPictureSize + 32);
  layout->addWidget(missed_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Each action closes the results first: it starts a lesson in the window below.
  auto offer = [this, buttons](const char* name, const QString& text,
                               std::function<void()> action) {
    if (!action) return;
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::AcceptRole);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
      accept();
      action();
    });
  };
  offer("ResultAgain", QStringLiteral("再练一次"), std::move(actions.again));
  offer("ResultNextSegment", QStringLiteral("下一段"), std::move(actions.nextSegment));
  offer("ResultNextLesson", QStringLiteral("下一课"), std::move(actions.nextLesson));
  // Enter goes on: to the next segment when there is one, else the same text again.
  for (const char* name : {"ResultNextSegment", "ResultAgain"})
    if (auto* button = findChild<QPushButton*>(QString::fromLatin1(name))) {
      button->setDefault(true);
      break;
    }
  layout->addWidget(buttons);
  setAttribute(Qt::WA_DeleteOnClose);
}

void LessonResults::NoteNotKept() {
  auto* note = new QLabel(
      QStringLiteral("练习不足 %1 字，未记入练习记录。").arg(lessons::kMinimumStoredCharacters),
      this);
  note->setObjectName(QStringLiteral("NotKept"));
  static_cast<QVBoxLayout*>(layout())->insertWidget(1, note);
}

}  // namespace dazi
