#include <CLI/CLI.hpp>

#include "ui/qt/CommandLine.h"

namespace dazi {

ProgramOptions ReadCommandLine(int argc, char** argv) {
  CLI::App app(
      "dazi: Chinese typing practice with the pinyin and the stroke keypad methods. "
      "Built without Qt 6 Widgets: only --print-counts and --export-history are available.",
      "dazi");
  ProgramOptions options;
  std::string folder;
  const CLI::Option* data = app.add_option("--data", folder,
                                           "The data folder: dictionaries and user files (default: "
                                           "$XDG_DATA_HOME/dazi, i.e. ~/.local/share/dazi)")
                                ->option_text("DIR");
  app.add_flag("--print-counts", options.printCounts,
               "Load the data folder, print what it holds and exit, without a window");
  std::string exportHistory;
  const CLI::Option* exporting =
      app.add_option("--export-history", exportHistory,
                     "Write the lesson history as CSV and exit: the sessions to FILE.csv, the "
                     "characters' totals to FILE-char_stats.csv")
          ->option_text("FILE.csv");
  app.set_version_flag("-v,--version", std::string("dazi ") + DAZI_VERSION,
                       "Print the version and exit");
  // A wrong command line is a usage error (status 2) that shows the usage, on stderr.
  app.failure_message([](const CLI::App* parser, const CLI::Error& e) {
    return "dazi: " + std::string(e.what()) + "\n\n" + parser->help();
  });
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    options.exitStatus = app.exit(e) == 0 ? 0 : 2;
    return options;
  }
  if (data->count() > 0) options.dataFolder = folder;
  if (exporting->count() > 0) options.exportHistory = exportHistory;
  return options;
}

}  // namespace dazi
