#include "ui/qt/LessonView.h"

#include <QPainter>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr int kStripHeight = 30;
constexpr int kTextTop = 4;
constexpr int kCellWidth = 21;
constexpr int kRowHeight = 24;
constexpr int kPairGap = 8;
constexpr int kTextLeft = 8;
constexpr int kCellsPerRow = (560 - 2 * kTextLeft) / kCellWidth;
constexpr int kFontPixels = 17;
constexpr int kFiguresFontPixels = 11;  // two lines of figures in the strip

QString Clock(double seconds) {
  const int whole = static_cast<int>(seconds);
  return QStringLiteral("%1:%2")
      .arg(whole / 60, 2, 10, QLatin1Char('0'))
      .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

// 码长: keys per character; 击键: keys per second; 回改: characters written again; 退格:
// Backspace presses. A timed test shows its length beside the time.
QString Figures(const lessons::LessonFigures& f) {
  QString time = Clock(f.seconds);
  if (f.limitSeconds > 0) time += QLatin1Char('/') + Clock(f.limitSeconds);
  // Two lines: the figures of the lesson, then those of the keys.
  return QStringLiteral(
             "速度 %1 字/分　正确率 %2%　用时 %3　进度 %4/%5\n码长 %6　击键 %7　回改 %8　退格 "
             "%9%10")
      .arg(f.cpm, 0, 'f', 1)
      .arg(f.accuracy, 0, 'f', 1)
      .arg(time)
      .arg(f.position)
      .arg(f.length)
      .arg(f.keysPerCharacter, 0, 'f', 1)
      .arg(f.keysPerSecond, 0, 'f', 1)
      .arg(f.corrected)
      .arg(f.backspaces)
      .arg(f.paused ? QStringLiteral("　已暂停") : QString());
}

}  // namespace

LessonView::LessonView(QWidget* window, std::function<void()> endClick) : QWidget(window) {
  setObjectName(QStringLiteral("LessonView"));
  setGeometry(layout::kMemo1);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  figures_ = new QLabel(this);
  figures_->setObjectName(QStringLiteral("LessonFigures"));
  figures_->setGeometry(6, height() - kStripHeight + 1, width() - 96, kStripHeight - 2);
  figures_->setFont(SansFont(kFiguresFontPixels));
  end_ = new QToolButton(this);
  end_->setObjectName(QStringLiteral("LessonEnd"));
  end_->setText(QStringLiteral("结束练习"));
  end_->setFont(SansFont(layout::kApplicationFontPixels));
  end_->setGeometry(width() - 86, height() - kStripHeight + 3, 80, kStripHeight - 6);
  end_->setFocusPolicy(Qt::NoFocus);
  connect(end_, &QToolButton::clicked, this, [endClick = std::move(endClick)] { endClick(); });
  hide();
}

QColor LessonView::ResultColour(lessons::CharResult result) {
  switch (result) {
    case lessons::CharResult::Right:
      return QColor(0x1b, 0x8a, 0x2f);
    case lessons::CharResult::Corrected:
      return QColor(0x1b, 0x6f, 0xb0);
    case lessons::CharResult::Wrong:
      return QColor(0xd0, 0x1c, 0x1c);
    case lessons::CharResult::Pending:
      break;
  }
  return Qt::black;
}

void LessonView::ShowRun(const lessons::LessonRun* run) {
  run_ = run;
  if (!run_) {
    rowsFor_ = nullptr;
    hide();
    return;
  }
  if (rowsFor_ != &run_->Source()) BuildRows();
  figures_->setText(Figures(run_->Figures()));
  show();
  update();
}

// Target lines cut into rows that fit the width; each non-blank character is a place.
void LessonView::BuildRows() {
  rowsFor_ = &run_->Source();
  rows_.clear();
  int place = 0;
  for (const std::string& line : rowsFor_->lines) {
    rows_.emplace_back();
    for (const QChar ch : QString::fromStdString(line)) {
      if (static_cast<int>(rows_.back().size()) == kCellsPerRow) rows_.emplace_back();
      const bool blank = ch == QLatin1Char(' ') || ch == QChar(0x3000);
      rows_.back().push_back({QString(ch), blank ? -1 : place});
      if (!blank) ++place;
    }
  }
}

int LessonView::RowOfPlace(int place) const {
  for (std::size_t r = 0; r < rows_.size(); ++r)
    for (const Cell& cell : rows_[r])
      if (cell.place >= place) return static_cast<int>(r);
  return rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1;
}

int LessonView::CurrentPairBottom() {
  return kTextTop + 2 * kRowHeight;
}

void LessonView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!run_ || rows_.empty()) return;
  QPainter painter(this);
  painter.setPen(QColor(0xc8, 0xc8, 0xc8));
  painter.drawLine(0, height() - kStripHeight, width(), height() - kStripHeight);
  painter.setFont(SongFont(kFontPixels));
  const int position = run_->Figures().position;
  const int current = RowOfPlace(position);
  int top = kTextTop;
  for (int r = current; r < static_cast<int>(rows_.size()); ++r) {
    if (top + 2 * kRowHeight > height() - kStripHeight) break;
    int left = kTextLeft;
    for (const Cell& cell : rows_[static_cast<std::size_t>(r)]) {
      const QRect targetBox(left, top, kCellWidth, kRowHeight);
      const QRect userBox(left, top + kRowHeight, kCellWidth, kRowHeight);
      painter.setPen(QColor(0x40, 0x40, 0x40));
      painter.drawText(targetBox, Qt::AlignCenter, cell.target);
      if (cell.place >= 0) {
        const std::string written = run_->WrittenChar(cell.place);
        if (!written.empty()) {
          painter.setPen(ResultColour(run_->Result(cell.place)));
          painter.drawText(userBox, Qt::AlignCenter, QString::fromStdString(written));
        }
        if (cell.place == position) {  // where the next character goes
          painter.setPen(QPen(QColor(0x20, 0x60, 0xd0), 2));
          painter.drawLine(userBox.left() + 2, userBox.bottom(), userBox.right() - 2,
                           userBox.bottom());
        }
      }
      left += kCellWidth;
    }
    painter.setPen(QColor(0xe4, 0xe4, 0xe4));
    painter.drawLine(kTextLeft, top + 2 * kRowHeight + kPairGap / 2, width() - kTextLeft,
                     top + 2 * kRowHeight + kPairGap / 2);
    top += 2 * kRowHeight + kPairGap;
  }
}

}  // namespace dazi
