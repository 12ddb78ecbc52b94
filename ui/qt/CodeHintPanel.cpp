#include "ui/qt/CodeHintPanel.h"

#include <QHBoxLayout>

#include "engine/user/DataFolder.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/qt/LessonResults.h"
#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/StrokePictureDrawing.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr int kPictureSize = 96;
constexpr int kMargin = 6;
constexpr int kStripHeight = 30;  // the lesson view's figures strip, kept clear

}  // namespace

CodeHintPanel::CodeHintPanel(QWidget* window) : QFrame(window) {
  setObjectName(QStringLiteral("CodeHint"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe6));
  setPalette(colours);
  setFocusPolicy(Qt::NoFocus);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("CodeHintText"));
  text_->setFont(SansFont(layout::kApplicationFontPixels + 1));
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("CodeHintPicture"));
  layout->addWidget(text_);
  layout->addWidget(picture_);
  hide();
}

void CodeHintPanel::ShowHint(const lessons::CodeHint& hint, const lessons::LessonRun* run,
                             bool keypad) {
  const std::optional<lessons::HintShown> shown =
      run ? hint.Shown(*run) : std::optional<lessons::HintShown>();
  if (!shown) {
    shownPlace_ = -1;
    hide();
    return;
  }
  if (shown->place == shownPlace_ && keypad == shownKeypad_ && isVisible()) return;
  shownPlace_ = shown->place;
  shownKeypad_ = keypad;
  const QString character = QString::fromStdString(shown->character);
  std::optional<lessons::StrokePicture> picture;
  if (keypad) {
    text_->setText(QStringLiteral("提示：<span style='font-size:22px'>%1</span><br>ＫＸ %2")
                       .arg(character, StrokeCaption(shown->code).toHtmlEscaped()));
    picture = lessons::FindStrokePicture(
        ExecutableFolder() + "/" + lessons::kLessonsFolder + "/" + lessons::kStrokePicturesFile,
        shown->character);
  } else {
    text_->setText(QStringLiteral("提示：<span style='font-size:22px'>%1</span><br>拼音 %2")
                       .arg(character, QString::fromStdString(shown->pinyin).toHtmlEscaped()));
  }
  if (picture) picture_->setPixmap(DrawStrokePicture(*picture, kPictureSize));
  picture_->setVisible(picture.has_value());
  adjustSize();
  const QRect area = layout::kMemo1;
  move(area.right() - width() - kMargin, area.bottom() - kStripHeight - height() - kMargin);
  show();  // below the candidate card, made after it
}

}  // namespace dazi
