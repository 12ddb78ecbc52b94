#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "ui/qt/CommandLine.h"

namespace dazi {
namespace {

// The usage names the program after argv[0], which QCommandLineParser takes from the
// application object. A QCoreApplication needs no display, unlike the window's QApplication,
// so --help and a usage error work where no window could open.
QString UsageText(const QCommandLineParser& parser, char* program) {
  int argc = 1;
  char* argv[] = {program, nullptr};
  const QCoreApplication naming(argc, argv);
  return parser.helpText();
}

}  // namespace

ProgramOptions ReadCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QFile::decodeName(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("dazi: Chinese typing practice with the pinyin and the stroke keypad "
                     "methods."));
  // Only -h/--help: Qt's own --help-all would list Qt options this program does not take.
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Print the version and exit."));
  const QCommandLineOption data(
      QStringLiteral("data"),
      QStringLiteral("The data folder: dictionaries and user files (default: "
                     "$XDG_DATA_HOME/dazi, i.e. ~/.local/share/dazi)."),
      QStringLiteral("DIR"));
  const QCommandLineOption printCounts(
      QStringLiteral("print-counts"),
      QStringLiteral("Load the data folder, print what it holds and exit, without a window."));
  parser.addOptions({help, version, data, printCounts});

  ProgramOptions options;
  QString error;
  if (!parser.parse(arguments))
    error = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst();
  if (!error.isEmpty()) {
    std::fprintf(stderr, "dazi: %s\n\n%s", qPrintable(error),
                 qPrintable(UsageText(parser, argv[0])));
    options.exitStatus = 2;
    return options;
  }
  if (parser.isSet(help)) {
    std::printf("%s", qPrintable(UsageText(parser, argv[0])));
    options.exitStatus = 0;
    return options;
  }
  if (parser.isSet(version)) {
    std::printf("dazi %s\n", DAZI_VERSION);
    options.exitStatus = 0;
    return options;
  }
  if (parser.isSet(data)) options.dataFolder = QFile::encodeName(parser.value(data)).toStdString();
  options.printCounts = parser.isSet(printCounts);
  return options;
}

}  // namespace dazi
