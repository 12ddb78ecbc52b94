// Small pieces shared by the main window's widget groups: GBK captions for Qt, fonts, the
// pictures, a panel drawn over its picture and a label that answers clicks.
#pragma once

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

namespace dazi {

// A GBK caption as a Qt string.
QString Caption(const std::string& gbk);

// The same, but a user-defined character (GBK's private area, e.g. AAA1) that no installed
// font draws is shown as "造字" and its GBK code rather than as an empty box.
QString ReadableCaption(const std::string& gbk, const QFont& font);

QFont SongFont(int pixels);
QFont SansFont(int pixels);
QFont MonoFont(int pixels);  // half-width letters and digits beside full-width characters

// A picture of the window from the program's resources (":/pictures/<name>"), decoded by
// Qt's JPEG reader; a null pixmap when it cannot be read.
QPixmap LoadPicture(const QString& name);

// A panel that draws its picture stretched over itself (only its height, when the panel is
// wider than the picture). Presses on it stay with it, so they do not drag the window.
class PicturePanel : public QWidget {
 public:
  PicturePanel(QWidget* parent, const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

// A label that hands its mouse presses to onPress.
class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void(const QMouseEvent&)> onPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// Runs onClick when the left mouse button is released over widget (the click itself goes on
// to the widget).
void OnClick(QWidget* widget, std::function<void()> onClick);

// A transparent label at a fixed place on parent.
QLabel* PlaceLabel(QWidget* parent, const QString& objectName, const QRect& geometry,
                   const QFont& font);

}  // namespace dazi
