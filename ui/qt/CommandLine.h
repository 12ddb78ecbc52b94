// dazi's command line: [--data DIR] [--print-counts] [--help] [--version]. Read with
// QCommandLineParser in the window build and with CLI11 in the build without Qt; both accept
// the same options and answer --help, --version and mistakes the same way.
#pragma once

#include <optional>
#include <string>

namespace dazi {

struct ProgramOptions {
  // Set when the program ends here: 0 after --help or --version, 2 after a usage error
  // (reported on stderr together with the usage).
  std::optional<int> exitStatus;
  std::optional<std::string> dataFolder;  // --data DIR
  bool printCounts = false;               // --print-counts
};

ProgramOptions ReadCommandLine(int argc, char** argv);

}  // namespace dazi
