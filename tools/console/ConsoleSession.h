// One console run: a practice controller driven by text lines. A line starting with ':' is
// a status-bar or settings command; any other line is keys. Each line is answered with one
// JSON object on one line: the state after the line, or {"error": "..."}.
#pragma once

#include <string>
#include <string_view>

#include "ui/controller/PracticeController.h"

namespace dazi::console {

class ConsoleSession {
 public:
  // Expects the dictionaries to be loaded in the current directory.
  ConsoleSession() = default;

  // Handles one input line (without its line end) and returns the JSON answer.
  std::string HandleLine(std::string_view line);

  // The JSON report of the current state.
  std::string Report() const;

  // A message for the user (UTF-8), given in status.notice of the next report.
  void Notify(const std::string& message);

  PracticeController& Controller() { return controller_; }

 private:
  // Runs a command line; returns an error message, empty on success.
  std::string RunCommand(std::string_view line);

  // Takes the controller's notices, reports, and forgets the notices reported.
  std::string ReportAndClearNotices();

  PracticeController controller_;
  std::string notice_;  // messages not yet reported, one a line
};

// {"error": message}
std::string ErrorReport(std::string_view message);

}  // namespace dazi::console
