// A lesson running in the practice area. The keys go to the practice controller as in free
// typing; the lesson counts them as they are pressed and watches the practice text afterwards.
// Two things it sets for the learner: the punctuation style of its text (given back at its
// end), and the quote key aimed at the quotation mark the text expects next. A lesson is
// stored in the history when it ends: finished, or ended by the user after at least
// kMinimumStoredCharacters characters.
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
// The lengths of a timed test, in minutes.
inline constexpr int kTimedTestMinutes[] = {1, 3, 5};

// Whether minutes is one of kTimedTestMinutes.
bool IsTimedTestLength(int minutes);
// The lesson's text repeated for a timed test of that many minutes: long enough that no
// typist reaches its end.
Lesson TimedTestText(const Lesson& lesson, int minutes);
// Whether text holds a full-width punctuation mark (a lesson then wants Chinese punctuation).
bool HoldsFullWidthMarks(const Lesson& lesson);

// Seconds on the steady clock.
double SteadySeconds();

class LessonPractice {
 public:
  // historyPath: the database file (kHistoryFile in the data folder), opened on first use.
  LessonPractice(PracticeController& controller, std::string historyPath,
                 LessonRun::Clock clock = SteadySeconds);

  // Starts lesson in place of any running one (which ends as by End()): empties the practice
  // text, selects the lesson's method and its punctuation style. minutes > 0 (one of
  // kTimedTestMinutes) makes it a timed test over the lesson's text.
  void Start(Lesson lesson, int minutes = 0);
  // Ends the running lesson; stores it when it is finished or long enough, and gives the
  // punctuation style back. The run stays readable through LastRun() for the results.
  void End();
  bool Running() const { return running_; }
  const LessonRun* Run() const { return running_ ? run_.get() : nullptr; }
  const LessonRun* LastRun() const { return run_.get(); }
  // Whether the last run ended was stored.
  bool LastStored() const { return stored_; }
  // Whether it was left out of the history for having too few characters.
  bool LastTooShort() const { return tooShort_; }

  // The controller's key path, with the lesson counting and watching. Keys also go on to the
  // controller when no lesson runs. KeyDown counts a key as it is pressed (its virtual-key
  // code); KeyPress hands on its character, KeyUp its release.
  void KeyDown(int virtualKey);
  void KeyPress(char key);
  void KeyUp(int virtualKey);
  // After anything else that may write (a candidate or dictionary button clicked).
  void Observe();
  // Ends a timed test whose time is up (the window calls it every second).
  void Tick();

  // The code hint of the running lesson (a fresh one for each lesson started).
  CodeHint& Hint() { return hint_; }
  const CodeHint& Hint() const { return hint_; }

  LessonHistory& History() { return history_; }
  // Opens the history when needed; its problems join the notices.
  bool OpenHistory();
  std::vector<std::string> TakeNotices() { return std::exchange(notices_, {}); }

 private:
  void Finish();  // store once the run is over, give the punctuation style back
  void RestorePunctuation();

  PracticeController& controller_;
  LessonHistory history_;
  LessonRun::Clock clock_;
  std::unique_ptr<LessonRun> run_;
  std::string method_;
  std::int64_t started_ = 0;
  int lessonLength_ = 0;  // characters of the lesson (once, also in a timed test)
  std::optional<bool> learnerChinesePunctuation_;  // to give back at the end
  bool running_ = false;
  bool finished_ = false;
  bool stored_ = false;
  bool tooShort_ = false;
  std::vector<std::string> notices_;
  CodeHint hint_;
};

}  // namespace dazi::lessons
