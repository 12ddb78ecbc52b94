#include "ui/qt/WidgetSupport.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/core/Gbk.h"
#include "ui/qt/MainWindowLayout.h"

namespace dazi {

QString Caption(const std::string& gbk) {
  return QString::fromStdString(Utf8FromGbk(gbk));
}

namespace {

QFont PixelFont(const char* family, int pixels) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

QFont SongFont(int pixels) {
  return PixelFont(layout::kSongFamily, pixels);
}

QFont SansFont(int pixels) {
  return PixelFont(layout::kSansFamily, pixels);
}

QPixmap LoadPicture(const QString& name) {
  return QPixmap(QStringLiteral(":/pictures/") + name, "JPG");
}

PicturePanel::PicturePanel(QWidget* parent, const QPixmap& picture)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_NoMousePropagation);
}

// A panel wider than its picture (grown for long glosses) keeps the picture's drawing at its
// place: a plain column near the right edge is stretched over the extra width, and the right
// border is drawn at the new edge.
void PicturePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) return;
  const int pw = picture_.width(), ph = picture_.height(), h = height();
  if (width() <= pw) {
    painter.drawPixmap(rect(), picture_);
    return;
  }
  constexpr int kBorder = 2;
  const int plain = pw - kBorder - 1;
  painter.drawPixmap(QRect(0, 0, plain, h), picture_, QRect(0, 0, plain, ph));
  painter.drawPixmap(QRect(plain, 0, width() - pw + 1, h), picture_, QRect(plain, 0, 1, ph));
  painter.drawPixmap(QRect(width() - kBorder, 0, kBorder, h), picture_,
                     QRect(pw - kBorder, 0, kBorder, ph));
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (!onPress) return QLabel::mousePressEvent(event);
  event->accept();
  onPress(*event);
}

QLabel* PlaceLabel(QWidget* parent, const QString& objectName, const QRect& geometry,
                   const QFont& font) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setGeometry(geometry);
  label->setFont(font);
  return label;
}

}  // namespace dazi
