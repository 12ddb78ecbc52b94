#include "ui/qt/ApplicationSetup.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

void PrepareApplicationAttributes() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void PrepareApplication(QApplication& app) {
  QApplication::setFont(SansFont(layout::kApplicationFontPixels));
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace dazi
