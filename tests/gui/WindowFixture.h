// The main window over a small fixture dictionary in a temporary data folder, with the
// notices it would show recorded instead of shown, and helpers to find its controls.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"
#include "ui/qt/Unit_Main.h"

namespace dazi::testing {

// 中 国 你 好 人 八 with readings, stroke codes, glosses (a long one on 国) and dictionary
// texts; the words 中国 and 你好.
FixtureDictionary WindowDictionary();

struct RecordedNotice {
  QString caption;
  QString text;
  bool overShownWindow = false;  // its parent is a window on screen
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Writes d (unless null) into the folder, then creates and shows the window. The web
  // panel shows its local page in the plain view; addresses opened are recorded.
  void Open(const FixtureDictionary* d, WebPanelOptions web = {});

  template <typename T = QWidget>
  T* Control(const char* name) const {
    T* control = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QString Text(const char* labelName) const { return Control<QLabel>(labelName)->text(); }
  bool Shown(const char* name) const { return Control(name)->isVisible(); }
  QWidget* Memo1() const { return Control("Memo1"); }
  std::vector<QString> Memo1Lines() const;
  void Click(const char* name) const;

  TempDataFolder folder_;
  std::vector<RecordedNotice> notices_;
  std::vector<QUrl> openedUrls_;
  std::unique_ptr<TForm_Main> window_;
};

}  // namespace dazi::testing
