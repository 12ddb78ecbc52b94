#include "ui/qt/StatusBarWidgets.h"

#include <QPainter>
#include <QToolButton>

#include "ui/qt/MainWindowLayout.h"

namespace dazi {
namespace {

QToolButton* FlatButton(QWidget* parent, const QString& name, const QRect& geometry,
                        const std::function<void()>& onClick) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // typing stays in the practice area
  QObject::connect(button, &QToolButton::clicked, [onClick] { onClick(); });
  return button;
}

// Label17: " ;" and " ；" differ little in a Chinese font, where both semicolons sit low at
// the left of their cell. The caption is drawn in the cell it takes in the practice text: a
// square for the full-width mark (centred, from a font that centres it), half a square for the
// half-width one (from a Latin font).
class PunctuationLabel : public ClickLabel {
 public:
  using ClickLabel::ClickLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    const QString caption = text().trimmed();
    if (caption.isEmpty()) return;
    const bool fullWidth = caption.at(0).unicode() >= 0x80;
    constexpr int kCell = 18;
    const int cellWidth = fullWidth ? kCell : kCell / 2 + 1;
    const QRectF cell((width() - cellWidth) / 2.0, (height() - kCell) / 2.0, cellWidth, kCell);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xb5, 0x9f, 0x74), 1));
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawRoundedRect(cell, 3, 3);
    QFont font(QString::fromLatin1(fullWidth ? layout::kCenteredPunctuationFamily
                                             : layout::kLatinMonoFamily));
    font.setPixelSize(layout::kStatusFontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(cell, Qt::AlignCenter, caption);
  }
};

}  // namespace

StatusBarWidgets::StatusBarWidgets(QWidget* window, const StatusBarHandlers& handlers)
    : window_(window) {
  QLabel* caption = PlaceLabel(window, QStringLiteral("LabelToolbar"), layout::kToolbarCaption,
                               SansFont(layout::kApplicationFontPixels));
  caption->setText(QStringLiteral("工具条"));

  panel3_ = new QWidget(window);
  panel3_->setObjectName(QStringLiteral("Panel3"));
  panel3_->setGeometry(layout::kPanel3);
  panel3_->setAttribute(Qt::WA_NoMousePropagation);

  image3_ = new ClickLabel(panel3_);  // the yellow sign drawn on the window's picture
  image3_->setObjectName(QStringLiteral("Image3"));
  image3_->setGeometry(layout::kImage3);
  image3_->setCursor(Qt::PointingHandCursor);
  image3_->onPress = [this](const QMouseEvent& event) { Image3MouseDown(event); };

  struct LabelSpec {
    const char* name;
    const char* hint;
    bool hintShown;
    const std::function<void()>* click;
  };
  const LabelSpec specs[5] = {
      {"Label13", "中英输入状态切换", true, &handlers.label13Click},
      {"Label14", "输入法切换", true, &handlers.label14Click},
      {"Label15", "简,繁,异切换", false, &handlers.label15Click},
      {"Label16", "全角半角切换", true, &handlers.label16Click},
      {"Label17", "符号切换", true, &handlers.label17Click},
  };
  const QFont font = SongFont(layout::kStatusFontPixels);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    auto* label = i == 4 ? new PunctuationLabel(panel3_) : new ClickLabel(panel3_);
    label->setObjectName(QString::fromLatin1(specs[i].name));
    label->setGeometry(layout::kStatusLabels[i]);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    // The class switch carries its hint without showing it on hover.
    const QString hint = QString::fromUtf8(specs[i].hint);
    label->setAccessibleDescription(hint);
    if (specs[i].hintShown) label->setToolTip(hint);
    const std::function<void()> click = *specs[i].click;
    label->onPress = [click](const QMouseEvent& event) {
      if (event.button() == Qt::LeftButton) click();
    };
    labels_[i] = label;
  }

  comboBox1_ = new QComboBox(window);  // the method list, never shown
  comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
  comboBox1_->addItems({QStringLiteral("澜音"), QStringLiteral("ＫＸ")});
  comboBox1_->setFocusPolicy(Qt::NoFocus);
  comboBox1_->hide();

  QToolButton* clear = FlatButton(window, QStringLiteral("SpeedButton2"), layout::kSpeedButton2,
                                  handlers.speedButton2Click);
  clear->setText(QStringLiteral("清除内容(&C)"));
  clear->setFont(SansFont(layout::kApplicationFontPixels));
  QToolButton* close = FlatButton(window, QStringLiteral("SpeedButton1"), layout::kSpeedButton1,
                                  handlers.speedButton1Click);
  close->setText(QStringLiteral("×"));
  close->setFont(SansFont(20));
  close->setToolTip(QStringLiteral("退出"));

  QToolButton* lessons = FlatButton(window, QStringLiteral("SpeedButtonLesson"),
                                    layout::kSpeedButtonLesson, handlers.n5Click);
  lessons->setText(QStringLiteral("课程练习"));
  lessons->setFont(SansFont(layout::kApplicationFontPixels));
  lessons->setToolTip(QStringLiteral("选一课练习：目标文字、速度、正确率和历次成绩"));

  BuildPopupMenu(window, handlers);
  methodButtons_ = std::make_unique<MethodButtons>(window, handlers.speedButtonLYClick,
                                                   handlers.speedButtonKXClick);
}

void StatusBarWidgets::BuildPopupMenu(QWidget* window, const StatusBarHandlers& handlers) {
  popupMenu1_ = new QMenu(window);
  popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* n1 = popupMenu1_->addAction(QStringLiteral("设置..."));
  n1->setObjectName(QStringLiteral("N1"));
  QObject::connect(n1, &QAction::triggered, [click = handlers.n1Click] { click(); });
  popupMenu1_->addSeparator();
  QAction* n2 = popupMenu1_->addAction(QStringLiteral("帮助..."));
  n2->setObjectName(QStringLiteral("N2"));
  QObject::connect(n2, &QAction::triggered, [click = handlers.n2Click] { click(); });
  popupMenu1_->addSeparator();
  QAction* n3 = popupMenu1_->addAction(QStringLiteral("造词..."));
  n3->setObjectName(QStringLiteral("N3"));
  QObject::connect(n3, &QAction::triggered, [click = handlers.n3Click] { click(); });
  popupMenu1_->addSeparator();
  QAction* n5 = popupMenu1_->addAction(QStringLiteral("课程练习..."));
  n5->setObjectName(QStringLiteral("N5"));
  QObject::connect(n5, &QAction::triggered, [click = handlers.n5Click] { click(); });
  QAction* n6 = popupMenu1_->addAction(QStringLiteral("导出记录..."));
  n6->setObjectName(QStringLiteral("N6"));
  QObject::connect(n6, &QAction::triggered, [click = handlers.n6Click] { click(); });
  popupMenu1_->addSeparator();
  QAction* n4 = popupMenu1_->addAction(QStringLiteral("关于..."));
  n4->setObjectName(QStringLiteral("N4"));
  QObject::connect(n4, &QAction::triggered, [click = handlers.n4Click] { click(); });
}

void StatusBarWidgets::OpenPopupMenu() {
  popupMenu1_->popup(image3_->mapToGlobal(QPoint(0, image3_->height())));
}

// The left button opens the toolbar menu at the click point taken as client coordinates of
// the window, moved by Panel3's position less the raise; the right button opens it at the
// pointer, as a context menu.
void StatusBarWidgets::Image3MouseDown(const QMouseEvent& event) {
  if (event.button() == Qt::RightButton) {
    popupMenu1_->popup(event.globalPosition().toPoint());
    return;
  }
  if (event.button() != Qt::LeftButton) return;
  const QPoint click = event.position().toPoint();
  const QPoint shift(panel3_->x(), panel3_->y() - layout::kPopupRaise);
  popupMenu1_->popup(window_->mapToGlobal(click) + shift);
}

void StatusBarWidgets::Paint(const StatusBarView& view) {
  const std::string* captions[5] = {&view.label13, &view.label14, &view.label15, &view.label16,
                                    &view.label17};
  for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setText(Caption(*captions[i]));
  comboBox1_->setCurrentIndex(view.comboBox1Index);
  methodButtons_->Paint(view.comboBox1Index);
}

}  // namespace dazi
