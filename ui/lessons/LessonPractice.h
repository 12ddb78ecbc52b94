// A lesson running in the practice area. The keys go to the practice controller as in free
// typing; the lesson only counts them and watches the practice text afterwards, so no typing
// rule changes. A lesson is stored in the history when it ends: finished, or ended by the user
// after at least kMinimumStoredCharacters characters.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/controller/PracticeController.h"
#include "ui/lessons/CodeHint.h"
#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonHistory.h"
#include "ui/lessons/LessonRun.h"

namespace dazi::lessons {

inline constexpr int kMinimumStoredCharacters = 20;

// Seconds on the steady clock.
double SteadySeconds();

class LessonPractice {
 public:
  // historyPath: the database file (kHistoryFile in the data folder), opened on first use.
  LessonPractice(PracticeController& controller, std::string historyPath,
                 LessonRun::Clock clock = SteadySeconds);

  // Starts lesson in place of any running one (which ends as by End()): empties the practice
  // text and selects the lesson's method.
  void Start(Lesson lesson);
  // Ends the running lesson; stores it when it is finished or long enough. The run stays
  // readable through LastRun() for the results.
  void End();
  bool Running() const { return running_; }
  const LessonRun* Run() const { return running_ ? run_.get() : nullptr; }
  const LessonRun* LastRun() const { return run_.get(); }
  // Whether the last run ended was stored.
  bool LastStored() const { return stored_; }

  // The controller's key path, with the lesson counting and watching. Keys also go on to the
  // controller when no lesson runs.
  void KeyPress(char key);
  void KeyUp(int virtualKey);
  // After anything else that may write (a candidate or dictionary button clicked).
  void Observe();

  // The code hint of the running lesson (a fresh one for each lesson started).
  CodeHint& Hint() { return hint_; }
  const CodeHint& Hint() const { return hint_; }

  LessonHistory& History() { return history_; }
  // Opens the history when needed; its problems join the notices.
  bool OpenHistory();
  std::vector<std::string> TakeNotices() { return std::exchange(notices_, {}); }

 private:
  void Finish();  // store once the run is over

  PracticeController& controller_;
  LessonHistory history_;
  LessonRun::Clock clock_;
  std::unique_ptr<LessonRun> run_;
  std::string method_;
  std::int64_t started_ = 0;
  bool running_ = false;
  bool stored_ = false;
  std::vector<std::string> notices_;
  CodeHint hint_;
};

}  // namespace dazi::lessons
