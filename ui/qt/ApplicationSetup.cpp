#include "ui/qt/ApplicationSetup.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

QtMessageHandler previousHandler = nullptr;

// Qt WebEngine says so each time it starts without Chromium's sandbox (as root, a normal
// run there).
void DropEngineStartMessages(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  if (text == QLatin1String("Sandboxing disabled by user.")) return;
  if (previousHandler != nullptr) previousHandler(type, context, text);
}

// Chromium logs to stderr from every one of its processes: only fatal errors, unless the
// user set a level of their own.
void QuietChromium() {
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--log-level")) return;
  if (!flags.isEmpty()) flags += ' ';
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--log-level=3");
}

}  // namespace

void PrepareApplicationAttributes() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void PrepareApplication(QApplication& app, bool verbose) {
  QApplication::setFont(SansFont(layout::kApplicationFontPixels));
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  if (!verbose) {
    previousHandler = qInstallMessageHandler(DropEngineStartMessages);
    QuietChromium();
  }
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace dazi
