#include "ui/qt/LessonView.h"

#include <QPainter>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

// The rows keep to a column on the left; the candidate card opens in the column on the right,
// above the strip.
constexpr int kCardGap = 4;
constexpr int kCardColumnLeft = 560 - kCardGap - 232;  // the pinyin card's width, the wider one
constexpr int kStripHeight = 44;
constexpr int kTitleHeight = 22;
constexpr int kTextTop = 24;
constexpr int kCellWidth = 21;
constexpr int kRowHeight = 24;
constexpr int kPairGap = 8;
constexpr int kPairStep = 2 * kRowHeight + kPairGap;
constexpr int kTextLeft = 4;
constexpr int kCellsPerRow = (kCardColumnLeft - kCardGap - kTextLeft) / kCellWidth;
constexpr int kFontPixels = 17;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 6;
constexpr int kEndWidth = 80;
constexpr int kNextSegmentWidth = 64;
constexpr int kRetryWidth = 52;

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

QToolButton* StripButton(QWidget* parent, const char* name, const QString& text,
                         std::function<void()> click) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setFont(SansFont(layout::kApplicationFontPixels));
  button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the practice area
  QObject::connect(button, &QToolButton::clicked, parent, [click = std::move(click)] {
    if (click) click();
  });
  return button;
}

}  // namespace

LessonView::LessonView(QWidget* window, LessonViewActions actions) : QWidget(window) {
  setObjectName(QStringLiteral("LessonView"));
  setGeometry(layout::kMemo1);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("LessonTitle"));
  title_->setGeometry(kTextLeft + 2, 2, kCardColumnLeft - kCardGap - kTextLeft, kTitleHeight - 4);
  title_->setFont(SansFont(layout::kApplicationFontPixels));
  QPalette grey = title_->palette();
  grey.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
  title_->setPalette(grey);

  const QRect strip = StripRect();
  const int buttonTop = strip.top() + (strip.height() - kButtonHeight) / 2;
  end_ = StripButton(this, "LessonEnd", QStringLiteral("结束练习"), std::move(actions.end));
  end_->setGeometry(width() - kButtonGap - kEndWidth, buttonTop, kEndWidth, kButtonHeight);
  nextSegment_ = StripButton(this, "LessonNextSegment", QStringLiteral("下一段"),
                             std::move(actions.nextSegment));
  nextSegment_->setGeometry(end_->x() - kButtonGap - kNextSegmentWidth, buttonTop,
                            kNextSegmentWidth, kButtonHeight);
  retry_ = StripButton(this, "LessonRetry", QStringLiteral("重打"), std::move(actions.retry));
  retry_->setToolTip(QStringLiteral("从头再打一遍（F3）"));
  OfferNextSegment(false);

  figures_ = new QLabel(this);
  figures_->setObjectName(QStringLiteral("LessonFigures"));
  const int figuresRight = nextSegment_->x() - kRetryWidth - 2 * kButtonGap;
  figures_->setGeometry(kButtonGap, strip.top() + 2, figuresRight - kButtonGap, strip.height() - 4);
  figures_->setFont(SansFont(layout::kApplicationFontPixels));
  hide();
}

QRect LessonView::StripRect() const {
  return QRect(0, height() - kStripHeight, width(), kStripHeight);
}

QRect LessonView::RowsRect() const {
  return QRect(0, 0, kCardColumnLeft - kCardGap, StripRect().top());
}

QPoint LessonView::CardTopLeft() {
  return layout::kMemo1.topLeft() + QPoint(kCardColumnLeft, 0);
}

void LessonView::OfferNextSegment(bool offer) {
  nextSegment_->setVisible(offer);
  const int right = offer ? nextSegment_->x() : end_->x();
  retry_->setGeometry(right - kButtonGap - kRetryWidth, end_->y(), kRetryWidth, kButtonHeight);
}

// The figures flow into the strip's two lines whole, never broken inside one; a smaller font
// when two lines do not hold them.
void LessonView::ShowFigures(const QString& text) {
  if (text == figuresText_) return;
  figuresText_ = text;
  const QChar separator(0x3000);
  // Figures() breaks its text in two where it would fit best; the strip flows it again.
  const QStringList figures =
      QString(text).replace(QLatin1Char('\n'), separator).split(separator, Qt::SkipEmptyParts);
  QString flowed;
  for (int pixels = layout::kApplicationFontPixels; pixels >= 10; --pixels) {
    figures_->setFont(SansFont(pixels));
    const QFontMetrics metrics(figures_->font());
    flowed.clear();
    QString line;
    int lines = 1;
    for (const QString& figure : figures) {
      const QString longer = line.isEmpty() ? figure : line + separator + figure;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > figures_->width()) {
        flowed += line + QLatin1Char('\n');
        line = figure;
        ++lines;
      } else {
        line = longer;
      }
    }
    flowed += line;
    if (lines <= 2) break;
  }
  figures_->setText(flowed);
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
    rowsFor_.clear();
    hide();
    return;
  }
  // Compared by text: the next run may well be made where the last one was.
  if (rowsFor_ != run_->Source().lines) BuildRows();
  title_->setText(QString::fromStdString(run_->Source().title));
  PlaceRows();
  ShowFigures(Figures(run_->Figures()) +
              (hintsUsed_ > 0 ? QStringLiteral("　提示 %1").arg(hintsUsed_) : QString()));
  show();
  update();
}

// Target lines cut into rows that fit the column; each non-blank character is a place.
void LessonView::BuildRows() {
  rowsFor_ = run_->Source().lines;
  rows_.clear();
  int place = 0;
  for (const std::string& line : rowsFor_) {
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

// The row being typed with the row finished before it above, and what follows as far as the
// strip leaves room.
void LessonView::PlaceRows() {
  drawn_.clear();
  if (rows_.empty()) return;
  const int current = RowOfPlace(run_->Figures().position);
  const int rowsInSight = (StripRect().top() - kTextTop + kPairGap) / kPairStep;
  const int last = static_cast<int>(rows_.size());
  for (int r = std::max(0, current - 1); r < last && static_cast<int>(drawn_.size()) < rowsInSight;
       ++r) {
    drawn_.push_back({r, r == current});
  }
}

void LessonView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!run_ || drawn_.empty()) return;
  QPainter painter(this);
  painter.setPen(QColor(0xc8, 0xc8, 0xc8));
  const int stripTop = StripRect().top();
  painter.drawLine(0, stripTop, width(), stripTop);
  painter.setFont(SongFont(kFontPixels));
  const int position = run_->Figures().position;
  const int columnRight = kCardColumnLeft - kCardGap;
  int top = kTextTop;
  for (const DrawnRow& drawn : drawn_) {
    int left = kTextLeft;
    for (const Cell& cell : rows_[static_cast<std::size_t>(drawn.row)]) {
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
    painter.drawLine(kTextLeft, top + 2 * kRowHeight + kPairGap / 2, columnRight,
                     top + 2 * kRowHeight + kPairGap / 2);
    top += kPairStep;
  }
}

}  // namespace dazi
