// The code hint in the window (F2 in a lesson) and the key labels of the stroke pictures.
#include <QTest>

#include "engine/user/DataFolder.h"
#include "tests/gui/WindowFixture.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/qt/CodeHintPanel.h"
#include "ui/qt/LessonView.h"
#include "ui/qt/StrokePictureDrawing.h"

namespace dazi::testing {
namespace {

class CodeHintWindow : public WindowTest {
 protected:
  CodeHintPanel* Hint() const { return Control<CodeHintPanel>("CodeHint"); }
  QString Figures() const { return Control<LessonView>("LessonView")->FiguresText(); }
};

TEST_F(CodeHintWindow, F2ShowsTheNextCharactersCodeUntilItIsWritten) {
  folder_.WriteBytes("t.txt", "中国\n");
  ASSERT_TRUE(window_->StartLesson("t.txt"));
  Click("SpeedButtonKX");             // the keypad method
  EXPECT_FALSE(Hint()->isVisible());  // off until asked for
  QTest::keyClick(Memo1(), Qt::Key_F2);
  ASSERT_TRUE(Hint()->isVisible());
  EXPECT_TRUE(Hint()->Text().contains(QStringLiteral("中")));
  EXPECT_TRUE(Hint()->Text().contains(QStringLiteral("2512（竖折横竖）")));
  EXPECT_EQ(window_->Lessons()->Run()->Figures().keys, 0);  // F2 is no typing key
  EXPECT_TRUE(Figures().contains(QStringLiteral("提示 1")));
  QTest::keyClick(Memo1(), Qt::Key_F2);  // the same character: still one hint
  EXPECT_TRUE(Figures().contains(QStringLiteral("提示 1")));

  for (const Qt::Key key : {Qt::Key_2, Qt::Key_5, Qt::Key_1, Qt::Key_2, Qt::Key_0})
    QTest::keyClick(Memo1(), key, Qt::KeypadModifier);  // the strokes, then the first candidate
  ASSERT_EQ(window_->Lessons()->Run()->Figures().position, 1);
  EXPECT_FALSE(Hint()->isVisible());  // 中 is written: the hint goes
}

// On the 1000 most frequent characters the red keys stay inside the picture, and apart.
TEST(StrokePictureLabels, StayInsideThePictureAndOffEachOther) {
  const auto pictures = lessons::LoadStrokePictures(
      ExecutableFolder() + "/" + lessons::kLessonsFolder + "/" + lessons::kStrokePicturesFile);
  if (pictures.empty()) GTEST_SKIP() << "no stroke pictures beside the test";
  constexpr int kSize = 84;
  int crowded = 0;
  for (const auto& [character, picture] : pictures) {
    const std::vector<QRectF> boxes = KeyLabelBoxes(picture, kSize);
    ASSERT_EQ(boxes.size(), picture.labels.size()) << character;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_TRUE(QRectF(0, 0, kSize, kSize).contains(boxes[i])) << character;
      for (std::size_t j = 0; j < i; ++j) {
        const QRectF both = boxes[i].intersected(boxes[j]);
        if (!both.isEmpty() &&
            both.width() * both.height() > boxes[i].width() * boxes[i].height() / 4)
          ++crowded;
      }
    }
  }
  EXPECT_EQ(crowded, 0);
}

}  // namespace
}  // namespace dazi::testing
