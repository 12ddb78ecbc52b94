// One console run: a practice controller driven by text lines. A line starting with ':' is
// a status-bar or settings command; any other line is keys. Each line is answered with one
// JSON object on one line: the state after the line, or {"error": "..."}.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/controller/PracticeController.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/lessons/LessonPractice.h"
#include "ui/lessons/LessonSegments.h"

namespace dazi::console {

class ConsoleSession {
 public:
  // Expects the dictionaries to be loaded in the current directory, which also holds the
  // lesson history. Lessons are read from lessonsFolder (default: "lessons" beside the
  // executable).
  ConsoleSession();
  explicit ConsoleSession(std::string lessonsFolder);
  // The lessons' clock given (seconds on a steady clock), for tests that must not wait.
  explicit ConsoleSession(lessons::LessonRun::Clock clock);
  ConsoleSession(std::string lessonsFolder, lessons::LessonRun::Clock clock);

  // Handles one input line (without its line end) and returns the JSON answer.
  std::string HandleLine(std::string_view line);

  // The JSON report of the current state.
  std::string Report() const;

  // A message for the user (UTF-8), given in status.notice of the next report.
  void Notify(const std::string& message);

  PracticeController& Controller() { return controller_; }
  lessons::LessonPractice& Lessons() { return lessons_; }

 private:
  // Runs a command line; returns an error message, empty on success.
  std::string RunCommand(std::string_view line);

  // :lessons and :lesson ID|FILE.txt [--minutes N]|end.
  std::string ListLessons();
  std::string RunLessonCommand(std::string_view argument);
  // :lesson again|next-segment|next: the window's 重打 and 再练一次, 下一段, 下一课.
  std::string RunFollowUpCommand(std::string_view argument);

  // Takes the controller's notices, reports, and forgets the notices reported.
  std::string ReportAndClearNotices();

  PracticeController controller_;
  lessons::LessonCatalogue catalogue_;
  lessons::LessonPractice lessons_;
  std::optional<lessons::SegmentedLesson> segments_;  // the lesson last started
  std::string notice_;                                // messages not yet reported, one a line
};

// {"error": message}
std::string ErrorReport(std::string_view message);

}  // namespace dazi::console
