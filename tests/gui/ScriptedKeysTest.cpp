// Scripted use of the window: key lines in the console's notation become the Qt keys that the
// window turns back into the same characters and key codes, and reach whatever holds the
// keyboard; the picture of the window shows an open dialog over it.
#include <QApplication>
#include <QDialog>
#include <QTest>

#include "tests/gui/WindowFixture.h"
#include "ui/qt/KeyTranslation.h"
#include "ui/qt/ScriptedKeys.h"

namespace dazi::testing {
namespace {

TEST(ScriptedKeyStrokes, EveryKeyOfTheNotationReachesTheWindowAsItself) {
  std::string line;
  for (char c = ' '; c <= '~'; ++c)
    if (c != '{') line += c;
  line += "{Enter}{Esc}{Back}{Left}{Up}{Right}{Down}{PgUp}{PgDn}{Ctrl}{Menu}{LBrace}";
  for (const char* pad : {"0", "1", "5", "9", "*", "+", "-", ".", "/"})
    line += std::string("{KP") + pad + "}";
  const keys::ParsedKeys parsed = keys::ParseKeys(line);
  ASSERT_EQ(parsed.error, "");
  for (const keys::KeyEvent& key : parsed.keys) {
    const QtKeyStroke stroke = QtKeyFor(key);
    EXPECT_EQ(KeyCharacter(stroke.key, stroke.text),
              key.character == keys::kNoCharacter ? kNoKeyCharacter : key.character)
        << key.character << " " << key.virtualKey;
    EXPECT_EQ(VirtualKeyCode(stroke.key, stroke.modifiers), key.virtualKey)
        << key.character << " " << key.virtualKey;
  }
}

using ScriptedWindow = WindowTest;

TEST_F(ScriptedWindow, KeysGoToThePracticeAreaAndToTheMenuAndDialogTheyOpen) {
  bool done = false;
  QImage withDialog;
  QString modalName;
  TypeKeys(window_.get(), keys::ParseKeys("zhong1{Ctrl}ab{Menu}{Up}{Enter}").keys, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modalName = modal->objectName();
      withDialog = WindowPicture(window_.get());
      modal->close();
    }
    done = true;
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中ab"));
  EXPECT_EQ(Text("Label13"), QStringLiteral("英"));
  EXPECT_EQ(modalName, QStringLiteral("AboutBox"));  // the last item of the toolbar menu
  ASSERT_EQ(withDialog.size(), window_->size());
  EXPECT_NE(withDialog, window_->grab().toImage());  // the dialog is drawn over the window
}

}  // namespace
}  // namespace dazi::testing
