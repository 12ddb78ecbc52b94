#include "ui/qt/PracticeArea.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

// Empty blocks after the text let the last lines scroll up to the top, above a card.
constexpr int kScrollRoomLines = 16;
const QColor kCaretColour{0x2d, 0x3a, 0x45};

bool IsAscii(QChar c) {
  return c.unicode() < 0x80;
}

// Chinese characters in the Song font; single-byte characters in the half-width letters of
// the monospaced CJK font, so that 80 bytes take the width of 40 characters, as in a
// practice text made of bytes.
QTextCharFormat LineFormat(bool ascii, qreal spacingPercent) {
  QTextCharFormat format;
  format.setFont(ascii ? MonoFont(layout::kMemoFontPixels) : SongFont(layout::kMemoFontPixels));
  if (spacingPercent < 100) {
    format.setFontLetterSpacingType(QFont::PercentageSpacing);
    format.setFontLetterSpacing(spacingPercent);
  }
  return format;
}

// The runs of a line that share one font.
template <typename Visit>
void ForEachRun(const QString& text, Visit visit) {
  for (qsizetype i = 0; i < text.size();) {
    const bool ascii = IsAscii(text[i]);
    qsizetype j = i;
    while (j < text.size() && IsAscii(text[j]) == ascii) ++j;
    visit(text.mid(i, j - i), ascii);
    i = j;
  }
}

qreal NaturalWidth(const QString& text) {
  const QFontMetricsF song(SongFont(layout::kMemoFontPixels));
  const QFontMetricsF mono(MonoFont(layout::kMemoFontPixels));
  qreal width = 0;
  ForEachRun(text, [&](const QString& run, bool ascii) {
    width += (ascii ? mono : song).horizontalAdvance(run);
  });
  return width;
}

}  // namespace

PracticeArea::PracticeArea(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // A scroll bar would hide the end of full lines: the text follows the caret and the wheel
  // scrolls it.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAttribute(Qt::WA_NoMousePropagation);  // the practice area never drags
  setFocusPolicy(Qt::StrongFocus);
  setFont(SongFont(layout::kMemoFontPixels));
  document()->setDocumentMargin(0);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  setPalette(palette);
  setPlainText(QString(kScrollRoomLines - 1, QLatin1Char('\n')));
}

int PracticeArea::LineHeight() const {
  return std::max(1, qRound(blockBoundingRect(document()->firstBlock()).height()));
}

void PracticeArea::ShowText(const QStringList& lines, int caretLine, int caretByte, int coverTop) {
  if (lines != shownLines_) {
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (i >= shownLines_.size() || lines[i] != shownLines_[i])
        SetLine(static_cast<int>(i), lines[i]);
    for (qsizetype i = lines.size(); i < shownLines_.size(); ++i) SetLine(static_cast<int>(i), {});
    shownLines_ = lines;
  }
  caretLine_ = std::clamp(caretLine, 0, std::max<int>(0, static_cast<int>(lines.size()) - 1));
  const QString line = caretLine_ < lines.size() ? lines[caretLine_] : QString();
  caretColumn_ = 0;
  for (int bytes = 0; caretColumn_ < line.size() && bytes < caretByte; ++caretColumn_)
    bytes += IsAscii(line[caretColumn_]) ? 1 : 2;
  KeepCaretLineInSight(coverTop);
  viewport()->update();
}

// Replaces the text of line index, adding lines (and the room after them) as the text grows.
// A line wider than the box (a run of wide symbols) is drawn closer together.
void PracticeArea::SetLine(int index, const QString& text) {
  QTextDocument* doc = document();
  while (doc->blockCount() < index + 1 + kScrollRoomLines) {
    QTextCursor end(doc);
    end.movePosition(QTextCursor::End);
    end.insertBlock();
  }
  QTextCursor cursor(doc->findBlockByNumber(index));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  const qreal width = NaturalWidth(text);
  const qreal room = viewport()->width() - 1;
  const qreal spacing = width > room ? std::floor(100 * room / width) : 100;
  ForEachRun(text, [&](const QString& run, bool ascii) {
    cursor.insertText(run, LineFormat(ascii, spacing));
  });
}

// The rows whose baselines fit in a height of room pixels.
int PracticeArea::RowsIn(int room) const {
  const int ascent = QFontMetrics(font()).ascent();
  return std::max(1, (room - ascent) / LineHeight() + 1);
}

// The lowest first row worth showing: the last line of text at the bottom of the box, or, while
// a panel covers it, the caret's line just above the panel. Below it lies only the blank room.
int PracticeArea::LastUsefulFirstRow() const {
  const int filled = std::max(0, LineCount() - RowsIn(viewport()->height()));
  if (coverTop_ < 0) return filled;
  return std::max(filled, caretLine_ - RowsIn(coverTop_) + 1);
}

// Scrolls by whole lines so that the caret's line is in sight, and above the cover when a
// panel lies over the box. A line counts as in sight when its baseline is. When the cover
// goes, the text comes back down so that its last line is at the bottom again.
void PracticeArea::KeepCaretLineInSight(int coverTop) {
  coverTop_ = coverTop;
  const int rows = RowsIn(coverTop >= 0 ? coverTop : viewport()->height());
  QScrollBar* bar = verticalScrollBar();
  int first = bar->value();
  if (caretLine_ < first)
    first = caretLine_;
  else if (caretLine_ >= first + rows)
    first = caretLine_ - rows + 1;
  bar->setValue(std::min(first, LastUsefulFirstRow()));
  horizontalScrollBar()->setValue(0);
}

// The wheel scrolls back through the text but never into the blank room alone.
void PracticeArea::scrollContentsBy(int dx, int dy) {
  QScrollBar* bar = verticalScrollBar();
  if (bar->value() > LastUsefulFirstRow()) {
    bar->setValue(LastUsefulFirstRow());  // comes back here with the smaller value
    return;
  }
  QPlainTextEdit::scrollContentsBy(dx, dy);
}

QRect PracticeArea::CaretRect() const {
  QTextCursor cursor(document()->findBlockByNumber(caretLine_));
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, caretColumn_);
  const QRect line = cursorRect(cursor);
  constexpr int kInset = 3;
  return QRect(line.left(), line.top() + kInset, 2, std::max(1, line.height() - 2 * kInset));
}

void PracticeArea::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  QPainter painter(viewport());
  painter.fillRect(CaretRect(), kCaretColour);
}

}  // namespace dazi
