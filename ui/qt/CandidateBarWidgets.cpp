#include "ui/qt/CandidateBarWidgets.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/controller/CandidateLayout.h"
#include "ui/controller/Captions.h"
#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr int kRightMargin = 3;

QString Numbered(const char* stem, int number) {
  return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(number, 2, 10, QLatin1Char('0'));
}

void SetColour(QLabel* label, LabelColour colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText,
                   colour == LabelColour::Black ? QColor(Qt::black) : layout::kGrayText);
  label->setPalette(palette);
}

QToolButton* DictionaryToggle(QWidget* panel, const QString& name,
                              const std::function<void()>& onClick) {
  auto* button = new QToolButton(panel);
  button->setObjectName(name);
  button->setGeometry(layout::kDictionaryToggle);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFont(SansFont(layout::kGlossFontPixels));
  button->setText(QStringLiteral("字典"));
  QObject::connect(button, &QToolButton::clicked, [onClick] { onClick(); });
  return button;
}

// A gloss label from left to the panel's right edge; a gloss wider than that is cut with
// "…" and shown whole as the label's tool tip.
void PlaceGloss(QLabel* label, const QString& gloss, int left, int top, int panelWidth) {
  const int width = std::max(0, panelWidth - kRightMargin - left);
  label->setGeometry(left, top, width, layout::kRowHeight);
  const QString shown = QFontMetrics(label->font()).elidedText(gloss, Qt::ElideRight, width);
  label->setText(shown);
  label->setToolTip(shown == gloss ? QString() : gloss);
}

// English glosses are often longer than a panel of the standard width holds: the panel grows
// to the right for them, as far as maxRight (the practice area's edge, or the dictionary
// panel's place when that is shown).
int PanelWidthFor(int standard, int left, int maxRight, const QFont& glossFont,
                  const std::vector<std::pair<int, QString>>& glosses) {
  const QFontMetrics metrics(glossFont);
  int needed = standard;
  for (const auto& [glossLeft, gloss] : glosses)
    if (!gloss.isEmpty())
      needed = std::max(needed, glossLeft + metrics.horizontalAdvance(gloss) + 2 * kRightMargin);
  return std::clamp(needed, standard, std::max(standard, maxRight - left));
}

}  // namespace

CandidateBarWidgets::CandidateBarWidgets(QWidget* window,
                                         const std::function<void()>& dictionaryToggle) {
  panel2_ = new QWidget(window);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  panel2_->setAttribute(Qt::WA_NoMousePropagation);
  panel2_->setAutoFillBackground(true);
  panel2_->setStyleSheet(QStringLiteral(
      "#Panel2 { background: #fdf6e3; border: 1px solid #b59f74; border-bottom: none; }"));
  panel2_->resize(layout::kPanel2Size);
  label11_ = PlaceLabel(panel2_, QStringLiteral("Label11"),
                        QRect(QPoint(8, 1), layout::kPanel2Size - QSize(12, 2)),
                        SongFont(layout::kCandidateFontPixels));
  panel2_->hide();
  BuildPinyinPanel(window, dictionaryToggle);
  BuildKeypadPanel(window, dictionaryToggle);
}

void CandidateBarWidgets::BuildPinyinPanel(QWidget* window,
                                           const std::function<void()>& dictionaryToggle) {
  panelPY_ = new PicturePanel(window, LoadPicture(QStringLiteral("panel-py.jpg")));
  panelPY_->setObjectName(QStringLiteral("PanelPY"));
  panelPY_->resize(layout::kPanelPYSize);
  DictionaryToggle(panelPY_, QStringLiteral("SpeedButtonPYZD"), dictionaryToggle);
  const QFont candidateFont = SongFont(layout::kCandidateFontPixels);
  const QFont glossFont = SansFont(layout::kGlossFontPixels);
  for (int i = 0; i < 10; ++i) {
    const int top = layout::kPinyinRowTops[i];
    pinyinGlosses_[i] = PlaceLabel(panelPY_, Numbered("Label_YW", i + 1),
                                   QRect(kGlossLeftShort, top, 0, layout::kRowHeight), glossFont);
    pinyinLabels_[i] =
        PlaceLabel(panelPY_, QStringLiteral("Label%1").arg(i + 1),
                   QRect(layout::kPinyinLabelLeft, top, 0, layout::kRowHeight), candidateFont);
  }
  labelDefault_ =
      PlaceLabel(panelPY_, QStringLiteral("LabelDefault"), layout::kLabelDefault, candidateFont);
  labelDefault_->setWordWrap(true);
  labelDefault_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  labelDefaultHint_ = PlaceLabel(panelPY_, QStringLiteral("LabelDefaultHint"),
                                 layout::kLabelDefaultHint, SansFont(layout::kGlossFontPixels));
  // Two lines broken at the blank, so that no word is cut.
  labelDefaultHint_->setText(
      Caption(captions::DefaultHint()).replace(QLatin1Char(' '), QLatin1Char('\n')));
  labelDefaultHint_->setAlignment(Qt::AlignCenter);
  SetColour(labelDefaultHint_, LabelColour::GrayText);
  labelDefaultHint_->hide();
  panelPY_->hide();
}

void CandidateBarWidgets::BuildKeypadPanel(QWidget* window,
                                           const std::function<void()>& dictionaryToggle) {
  panelKX_ = new PicturePanel(window, LoadPicture(QStringLiteral("panel-kx.jpg")));
  panelKX_->setObjectName(QStringLiteral("PanelKX"));
  panelKX_->resize(layout::kPanelKXSize);
  DictionaryToggle(panelKX_, QStringLiteral("SpeedButtonKXZD"), dictionaryToggle);
  static constexpr const char* kKeys[4] = {"0", "7", "8", "9"};
  const QFont candidateFont = SongFont(layout::kCandidateFontPixels);
  const QFont glossFont = SansFont(layout::kGlossFontPixels);
  for (int i = 0; i < 4; ++i) {
    const int top = layout::kKeypadRowTops[i];
    keypadGlosses_[i] =
        PlaceLabel(panelKX_, QStringLiteral("Label_KXYW") + kKeys[i],
                   QRect(layout::kKeypadGlossLeft, top, 0, layout::kRowHeight), glossFont);
    keypadLabels_[i] =
        PlaceLabel(panelKX_, QStringLiteral("Label_KX") + kKeys[i],
                   QRect(layout::kKeypadLabelLeft, top, 0, layout::kRowHeight), candidateFont);
  }
  const QFont previewFont = SongFont(layout::kCandidateFontPixels - 1);
  for (int stroke = 1; stroke <= 6; ++stroke) {
    const int blockLeft = layout::kPreviewBlockLefts[(stroke - 1) % 3];
    const int blockTop = stroke >= 4 ? layout::kPreviewUpperTop : layout::kPreviewLowerTop;
    for (int k = 1; k <= 4; ++k) {
      const QPoint corner(blockLeft + ((k - 1) % 2) * layout::kPreviewColumnStep,
                          blockTop + ((k - 1) / 2) * layout::kPreviewLineStep);
      QLabel* preview = PlaceLabel(panelKX_, QStringLiteral("Label_KX%1_%2").arg(stroke).arg(k),
                                   QRect(corner, layout::kPreviewSize), previewFont);
      preview->setAlignment(Qt::AlignCenter);
      previews_[static_cast<std::size_t>((stroke - 1) * 4 + (k - 1))] = preview;
    }
  }
  panelKX_->hide();
}

void CandidateBarWidgets::Paint(const ViewState& view) {
  const int maxRight = view.panelZDVisible
                           ? layout::kClientSize.width() - layout::kWindowMargin -
                                 layout::kPanelZDSize.width() - layout::kDictionaryGap
                           : layout::kMemo1.right() + 1;
  PaintPinyin(view, maxRight);
  PaintKeypad(view, maxRight);
  // The input panel is as wide as the candidate panel under it.
  const QWidget* under = VisibleCandidatePanel();
  panel2_->setGeometry(view.panel2Position.left, view.panel2Position.top,
                       under ? under->width() : layout::kPanel2Size.width(),
                       layout::kPanel2Size.height());
  label11_->setText(Caption(view.label11));
  panel2_->setVisible(view.panel2Visible);
}

void CandidateBarWidgets::PaintPinyin(const ViewState& view, int maxRight) {
  const PinyinPanelView& py = view.pinyin;
  std::vector<std::pair<int, QString>> glosses;
  for (std::size_t i = 0; i < 10; ++i)
    glosses.emplace_back(py.glossLefts[i], Caption(py.glosses[i]));
  const int width = PanelWidthFor(layout::kPanelPYSize.width(), view.candidatePanelPosition.left,
                                  maxRight, pinyinGlosses_[0]->font(), glosses);
  panelPY_->setGeometry(view.candidatePanelPosition.left, view.candidatePanelPosition.top, width,
                        layout::kPanelPYSize.height());
  for (std::size_t i = 0; i < 10; ++i) {
    const QString& gloss = glosses[i].second;
    QLabel* label = pinyinLabels_[i];
    const int textRight = gloss.isEmpty() ? width - kRightMargin : py.glossLefts[i];
    label->resize(std::max(0, textRight - label->x()), layout::kRowHeight);
    label->setText(ReadableCaption(py.labels[i], label->font()));
    SetColour(label, py.candidateColour);
    PlaceGloss(pinyinGlosses_[i], gloss, py.glossLefts[i], label->y(), width);
    SetColour(pinyinGlosses_[i], py.glossColour);
  }
  labelDefault_->setText(Caption(py.labelDefault));
  labelDefaultHint_->setVisible(py.labelDefaultHintVisible);
  panelPY_->setVisible(view.panelPYVisible);
}

void CandidateBarWidgets::PaintKeypad(const ViewState& view, int maxRight) {
  const KeypadPanelView& kx = view.keypad;
  // A word wider than its column pushes its gloss to the right rather than hiding under it.
  std::vector<std::pair<int, QString>> glosses;
  const QFontMetrics candidateMetrics(keypadLabels_[0]->font());
  for (std::size_t i = 0; i < 4; ++i) {
    const int textRight =
        layout::kKeypadLabelLeft + candidateMetrics.horizontalAdvance(Caption(kx.labels[i]));
    glosses.emplace_back(std::max(layout::kKeypadGlossLeft, textRight + 6), Caption(kx.glosses[i]));
  }
  const int width = PanelWidthFor(layout::kPanelKXSize.width(), view.candidatePanelPosition.left,
                                  maxRight, keypadGlosses_[0]->font(), glosses);
  panelKX_->setGeometry(view.candidatePanelPosition.left, view.candidatePanelPosition.top, width,
                        layout::kPanelKXSize.height());
  for (std::size_t i = 0; i < 4; ++i) {
    QLabel* label = keypadLabels_[i];
    label->setText(Caption(kx.labels[i]));
    SetColour(label, kx.candidateColour);
    const int glossLeft = glosses[i].first;
    label->resize(std::max(0, glossLeft - label->x()), layout::kRowHeight);
    PlaceGloss(keypadGlosses_[i], glosses[i].second, glossLeft, label->y(), width);
    SetColour(keypadGlosses_[i], kx.glossColour);
  }
  for (std::size_t i = 0; i < previews_.size(); ++i) previews_[i]->setText(Caption(kx.previews[i]));
  panelKX_->setVisible(view.panelKXVisible);
}

const QWidget* CandidateBarWidgets::VisibleCandidatePanel() const {
  if (panelPY_->isVisibleTo(panelPY_->parentWidget())) return panelPY_;
  if (panelKX_->isVisibleTo(panelKX_->parentWidget())) return panelKX_;
  return nullptr;
}

}  // namespace dazi
