// Renders the main window offscreen to PNG files for a person to look at: the pinyin panel
// after "zhongguo", the dictionary panel beside the candidates of "zhong", and the keypad
// panel after three strokes; then a lesson with the candidate card and the dictionary panel
// open beside its rows.
// Uses the generated dictionaries when they lie beside the executable, else the fixture.
//   gui_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "tests/gui/WindowFixture.h"
#include "tests/support/RealDictionaries.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/Unit_Main.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!window.grab().save(path, "PNG")) {
    std::fprintf(stderr, "gui_screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  dazi::PrepareApplicationAttributes();
  QApplication app(argc, argv);
  dazi::PrepareApplication(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gui_screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
  if (!out.mkpath(QStringLiteral("."))) return 1;

  dazi::testing::TempDataFolder folder;
  const std::string why = dazi::testing::LinkRealDictionaries(folder.Path());
  if (!why.empty()) {
    std::printf("generated dictionaries not available (%s): using the fixture\n", why.c_str());
    if (!dazi::testing::WindowDictionary().Write().empty()) return 1;
  }
  dazi::TForm_Main window([](QWidget*, const QString& caption, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
  });
  window.show();
  // The web panel judges its page, and the web engine draws it a moment later.
  if (QTest::qWaitFor([&window] { return window.WebPanelSettled(); }, 5000)) QTest::qWait(500);
  QWidget* memo1 = window.findChild<QWidget*>(QStringLiteral("Memo1"));
  auto click = [&window](const char* name) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
  };
  QTest::keyClicks(memo1, "nihao");
  QTest::keyClick(memo1, Qt::Key_Space);
  QTest::keyClicks(memo1, "zhongguo");
  if (!Save(window, out, "main-window-pinyin.png")) return 1;

  QTest::keyClick(memo1, Qt::Key_Escape);
  QTest::keyClicks(memo1, "zhong");
  click("SpeedButtonPYZD");
  if (!Save(window, out, "main-window-dictionary.png")) return 1;

  QTest::keyClick(memo1, Qt::Key_Escape);
  click("SpeedButtonKX");
  for (Qt::Key key : {Qt::Key_2, Qt::Key_5, Qt::Key_1})
    QTest::keyClick(memo1, key, Qt::KeypadModifier);
  if (!Save(window, out, "main-window-keypad.png")) return 1;

  QTest::keyClick(memo1, Qt::Key_Escape);
  click("SpeedButtonLY");
  if (!window.StartLesson("article-01")) return 0;  // no lessons beside the executable
  QTest::keyClicks(memo1, "meitian zaoshang liu dian ban , wode naozhong jiu hui xiang qilai . ");
  QTest::keyClicks(memo1, "wo xian he");  // the dictionary panel is still on
  return Save(window, out, "main-window-lesson.png") ? 0 : 1;
}
