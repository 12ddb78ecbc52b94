#include "WidgetSupport.h"

#include <QMouseEvent>
#include <QPainter>

#include "Gbk.h"
#include "MainWindowLayout.h"

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

void PicturePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) painter.drawPixmap(rect(), picture_);
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
