// dazi's command line: [--data DIR] [--print-counts] [--type KEYS] [--screenshot FILE]
// [--lesson ID|FILE.txt] [--export-history FILE.csv] [--help] [--version]. Read with
// QCommandLineParser in the window build and with CLI11 in the build without Qt; both answer
// --help, --version and mistakes the same way. The scripted screenshot (--type, --screenshot) needs
// the window, so only the window build takes it.
#pragma once

#include <optional>
#include <string>

namespace dazi {

struct ProgramOptions {
  // Set when the program ends here: 0 after --help or --version, 2 after a usage error
  // (reported on stderr together with the usage).
  std::optional<int> exitStatus;
  std::optional<std::string> dataFolder;     // --data DIR
  bool printCounts = false;                  // --print-counts
  std::optional<std::string> typeKeys;       // --type KEYS, in the console's key notation
  std::optional<std::string> screenshot;     // --screenshot FILE (PNG)
  std::optional<std::string> lesson;         // --lesson ID|FILE.txt (window build only)
  std::optional<std::string> exportHistory;  // --export-history FILE.csv
  bool verbose = false;                      // --verbose: the web engine's messages on stderr
};

ProgramOptions ReadCommandLine(int argc, char** argv);

}  // namespace dazi
