#include "ui/qt/ScriptedScreenshot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ui/controller/KeyTokens.h"
#include "ui/qt/ScriptedKeys.h"

namespace dazi {
namespace {

// The web engine draws a page a moment after it reports it loaded.
constexpr int kPageDrawingMs = 500;

void Save(TForm_Main* window, const QString& file) {
  QImageWriter writer(file, "png");
  const bool saved = writer.write(WindowPicture(window));
  if (!saved)
    std::fprintf(stderr, "dazi: cannot write %s: %s\n", qPrintable(file),
                 qPrintable(writer.errorString()));
  QCoreApplication::exit(saved ? 0 : 1);
}

// Polls until the web panel is settled or the time is up, then saves and ends every loop
// (a dialog's own loop included).
void SaveWhenSettled(TForm_Main* window, const QString& file,
                     const std::shared_ptr<QElapsedTimer>& clock) {
  if (!window->WebPanelSettled() && clock->elapsed() < kWebPanelWaitMs) {
    QTimer::singleShot(50, window, [=] { SaveWhenSettled(window, file, clock); });
    return;
  }
  QTimer::singleShot(kPageDrawingMs, window, [=] { Save(window, file); });
}

}  // namespace

int RunScriptedScreenshot(TForm_Main& window, std::vector<keys::KeyEvent> keys,
                          const QString& file) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  window.show();
  TypeKeys(&window, std::move(keys),
           [&window, file, clock] { SaveWhenSettled(&window, file, clock); });
  return QApplication::exec();
}

void PrintNotice(QWidget*, const QString& caption, const QString& text) {
  std::fprintf(stderr, "dazi: %s: %s\n", qPrintable(caption), qPrintable(text));
}

}  // namespace dazi
