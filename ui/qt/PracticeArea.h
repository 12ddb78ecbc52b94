// Memo1, the practice area: a read-only text box showing the practice text in lines of 80
// bytes, every character of a full line in sight, with a caret where the next character
// goes. While the candidate card lies over it, the text scrolls so that the line being typed
// stays above the card; when the card closes, the last line is at the bottom again.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace dazi {

class PracticeArea : public QPlainTextEdit {
 public:
  explicit PracticeArea(QWidget* parent);

  // lines: the text box's lines; the next character goes to byte caretByte of caretLine
  // (a Chinese character counts 2 bytes); coverTop: the top of a panel lying over the text
  // box, in its coordinates, or -1.
  void ShowText(const QStringList& lines, int caretLine, int caretByte, int coverTop);

  // The rectangle of the caret in the viewport's coordinates.
  QRect CaretRect() const;
  int LineHeight() const;
  // The lines shown; the document holds empty lines after them as room to scroll.
  int LineCount() const { return static_cast<int>(shownLines_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void SetLine(int index, const QString& text);
  void KeepCaretLineInSight(int coverTop);
  int RowsIn(int room) const;
  int LastUsefulFirstRow() const;

  QStringList shownLines_;
  int caretLine_ = 0;
  int caretColumn_ = 0;  // in characters
  int coverTop_ = -1;    // as last given to ShowText
};

}  // namespace dazi
