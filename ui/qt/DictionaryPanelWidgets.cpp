#include "ui/qt/DictionaryPanelWidgets.h"

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

DictionaryPanelWidgets::DictionaryPanelWidgets(QWidget* window,
                                               const std::function<void(int)>& buttonClick) {
  panelZD_ = new QWidget(window);
  panelZD_->setObjectName(QStringLiteral("PanelZD"));
  panelZD_->resize(layout::kPanelZDSize);
  panelZD_->setAttribute(Qt::WA_NoMousePropagation);
  panelZD_->setAttribute(Qt::WA_StyledBackground);
  panelZD_->setStyleSheet(
      QStringLiteral("#PanelZD { background: #fbf7ec; border: 1px solid #b59f74; }"));
  const QFont buttonFont = SongFont(layout::kCandidateFontPixels);
  for (int i = 0; i < 10; ++i) {
    auto* button = new QToolButton(panelZD_);
    button->setObjectName(QStringLiteral("SpeedButtonZD%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    button->setGeometry(QRect(QPoint(4 + i * layout::kDictionaryButtonSize.width(), 4),
                              layout::kDictionaryButtonSize));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(buttonFont);
    QObject::connect(button, &QToolButton::clicked, [buttonClick, i] { buttonClick(i + 1); });
    buttons_[static_cast<std::size_t>(i)] = button;
  }
  memoZD_ = new QPlainTextEdit(panelZD_);
  memoZD_->setObjectName(QStringLiteral("MemoZD"));
  memoZD_->setGeometry(layout::kMemoZD);
  memoZD_->setReadOnly(true);
  memoZD_->setFocusPolicy(Qt::NoFocus);
  memoZD_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memoZD_->setFont(SongFont(layout::kMemoFontPixels));
  memoZD_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; }"));
  panelZD_->hide();
}

void DictionaryPanelWidgets::Paint(const ViewState& view, const QWidget* candidatePanel) {
  const DictionaryPanelView& zd = view.dictionary;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    QToolButton* button = buttons_[i];
    button->setText(Caption(zd.buttons[i]));
    QPalette palette = button->palette();
    const bool blue = static_cast<int>(i) == zd.highlighted;
    palette.setColor(QPalette::ButtonText, blue ? layout::kHighlight : QColor(Qt::black));
    button->setPalette(palette);
  }
  const QString memo = Caption(zd.memoZD);
  if (memoZD_->toPlainText() != memo) memoZD_->setPlainText(memo);
  if (candidatePanel != nullptr)
    panelZD_->move(candidatePanel->geometry().right() + 1 + layout::kDictionaryGap,
                   candidatePanel->y());
  panelZD_->setVisible(view.panelZDVisible);
}

}  // namespace dazi
