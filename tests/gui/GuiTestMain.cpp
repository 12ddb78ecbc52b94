// GoogleTest with the Qt application that widgets need (offscreen in the test run).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setFont(dazi::SansFont(dazi::layout::kApplicationFontPixels));
  return RUN_ALL_TESTS();
}
