// GoogleTest with the Qt application that widgets need (offscreen in the test run).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/ApplicationSetup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  dazi::PrepareApplicationAttributes();
  QApplication app(argc, argv);
  dazi::PrepareApplication(app);
  return RUN_ALL_TESTS();
}
