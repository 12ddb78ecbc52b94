#include "ui/qt/MethodButtons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

const QColor kPaper{0xf7, 0xf6, 0xf2};  // the picture's card under the buttons
const QColor kBorder{0xc9, 0xbf, 0xa8};
const QColor kNameColour{0x8a, 0x7a, 0x5a};
const QColor kActiveFill{0xf1, 0xe4, 0xc2};
const QColor kActiveName{0x4a, 0x38, 0x14};
const QColor kActiveMark{0xc0, 0x8a, 0x1e};

// The panel draws its own card over the picture, so the names are the buttons' alone.
class MethodPanel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(rect()), 6, 6);
    painter.setPen(QPen(kBorder, 1));
    const int middle = width() / 2;
    painter.drawLine(middle, 6, middle, height() - 6);
  }
};

}  // namespace

MethodButton::MethodButton(QWidget* parent, const QString& name) : QAbstractButton(parent) {
  setText(name);
  setFocusPolicy(Qt::NoFocus);  // typing stays in the practice area
  setCursor(Qt::PointingHandCursor);
  setFont(SongFont(20));
}

void MethodButton::SetActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update();
}

void MethodButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void MethodButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

// The active method: a warm card with a dark name and a mark under it. Under the pointer the
// button lightens behind its name, which stays as it is.
void MethodButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF card = QRectF(rect()).adjusted(2, 2, -2, -2);
  if (active_ || hovered_ || isDown()) {
    painter.setPen(QPen(kBorder, 1));
    painter.setBrush(active_ ? kActiveFill : QColor(255, 255, 255));
    painter.drawRoundedRect(card, 5, 5);
  }
  QFont font = this->font();
  font.setBold(active_);
  painter.setFont(font);
  painter.setPen(active_ ? kActiveName : kNameColour);
  painter.drawText(rect().adjusted(0, -2, 0, -2), Qt::AlignCenter, text());
  if (active_) {
    const qreal markWidth = 28;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kActiveMark);
    painter.drawRoundedRect(QRectF((width() - markWidth) / 2, height() - 8, markWidth, 3), 1.5,
                            1.5);
  }
}

MethodButtons::MethodButtons(QWidget* window, const std::function<void()>& pinyinClick,
                             const std::function<void()>& keypadClick) {
  auto* panel = new MethodPanel(window);
  panel->setObjectName(QStringLiteral("PanelMethods"));
  panel->setGeometry(layout::kMethodPanel);
  panel->setAttribute(Qt::WA_NoMousePropagation);
  pinyin_ = new MethodButton(panel, QStringLiteral("澜 音"));
  pinyin_->setObjectName(QStringLiteral("SpeedButtonLY"));
  pinyin_->setGeometry(layout::kSpeedButtonLY);
  pinyin_->setToolTip(QStringLiteral("澜音拼音输入法"));
  keypad_ = new MethodButton(panel, QStringLiteral("ＫＸ"));
  keypad_->setObjectName(QStringLiteral("SpeedButtonKX"));
  keypad_->setGeometry(layout::kSpeedButtonKX);
  keypad_->setToolTip(QStringLiteral("ＫＸ笔画小键盘输入法"));
  QObject::connect(pinyin_, &QAbstractButton::clicked, [pinyinClick] { pinyinClick(); });
  QObject::connect(keypad_, &QAbstractButton::clicked, [keypadClick] { keypadClick(); });
}

void MethodButtons::Paint(int comboBox1Index) {
  pinyin_->SetActive(comboBox1Index == 0);
  keypad_->SetActive(comboBox1Index == 1);
}

}  // namespace dazi
