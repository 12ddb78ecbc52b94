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
  const QCommandLineOption type(
      QStringLiteral("type"),
      QStringLiteral("With --screenshot: keys to type first, in the console's key notation "
                     "(e.g. \"zhongguo\" or \"nihao {Left}\")."),
      QStringLiteral("KEYS"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Show the window, type the --type keys, save a PNG picture of the window "
                     "to FILE and exit."),
      QStringLiteral("FILE"));
  const QCommandLineOption lesson(
      QStringLiteral("lesson"),
      QStringLiteral("Start in a practice lesson: a lesson id (as dazi-console's :lessons lists "
                     "them), weak, or a .txt file of your own."),
      QStringLiteral("ID|FILE.txt"));
  const QCommandLineOption exportHistory(
      QStringLiteral("export-history"),
      QStringLiteral("Write the lesson history as CSV and exit: the sessions to FILE.csv, the "
                     "characters' totals to FILE-char_stats.csv."),
      QStringLiteral("FILE.csv"));
  const QCommandLineOption verbose(
      QStringLiteral("verbose"),
      QStringLiteral("Let the web engine (Chromium) print its start-up messages and errors."));
  parser.addOptions(
      {help, version, data, printCounts, type, screenshot, lesson, exportHistory, verbose});

  ProgramOptions options;
  QString error;
  if (!parser.parse(arguments))
    error = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst();
  else if (parser.isSet(type) && !parser.isSet(screenshot))
    error = QStringLiteral("--type needs --screenshot: it types the keys for the picture");
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
  if (parser.isSet(type)) options.typeKeys = parser.value(type).toStdString();
  if (parser.isSet(screenshot))
    options.screenshot = QFile::encodeName(parser.value(screenshot)).toStdString();
  options.verbose = parser.isSet(verbose);
  if (parser.isSet(lesson)) options.lesson = QFile::encodeName(parser.value(lesson)).toStdString();
  if (parser.isSet(exportHistory))
    options.exportHistory = QFile::encodeName(parser.value(exportHistory)).toStdString();
  return options;
}

}  // namespace dazi
