#include "ui/qt/WidgetSupport.h"

#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

#include "engine/core/Gbk.h"
#include "ui/qt/MainWindowLayout.h"

namespace dazi {

QString Caption(const std::string& gbk) {
  return QString::fromStdString(Utf8FromGbk(gbk));
}

namespace {

bool IsPrivateUse(QChar c) {
  return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF;
}

// Whether some installed font draws c: the layout falls back through the fonts, and glyph 0
// is the missing-glyph box.
bool HasGlyph(const QFont& font, QChar c) {
  QTextLayout layout(QString(c), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  for (const QGlyphRun& run : runs)
    for (quint32 glyph : run.glyphIndexes())
      if (glyph == 0) return false;
  return !runs.isEmpty();
}

}  // namespace

QString ReadableCaption(const std::string& gbk, const QFont& font) {
  const QString text = Caption(gbk);
  QString readable;
  for (QChar c : text) {
    if (!IsPrivateUse(c) || HasGlyph(font, c)) {
      readable += c;
      continue;
    }
    const std::string code = GbkFromUtf8(QString(c).toStdString());
    readable += QStringLiteral("造字");
    for (char byte : code)
      readable += QStringLiteral("%1")
                      .arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'))
                      .toUpper();
  }
  return readable;
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

QFont MonoFont(int pixels) {
  return PixelFont(layout::kMonoFamily, pixels);
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

namespace {

class ClickWatcher : public QObject {
 public:
  ClickWatcher(QObject* parent, std::function<void()> onClick)
      : QObject(parent), onClick_(std::move(onClick)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      onClick_();
    return false;
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

void OnClick(QWidget* widget, std::function<void()> onClick) {
  widget->installEventFilter(new ClickWatcher(widget, std::move(onClick)));
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
