// Scoring one run of a lesson. The run watches the practice text: whatever wrote it (a typed
// character, a choice, a follow-on word, a whole sentence, a punctuation mark) each character
// written is compared with the target character at its place, and text taken away again
// (Backspace) un-writes those places. Blanks and line ends are not compared: the practice text
// flows on where the target breaks its lines, and blanks in the target only part words. An ASCII
// punctuation mark (with the blank that evens it) counts as the full-width mark it stands for.
// Every key pressed is counted. The time runs from the first key to the last change of the
// text, without the pauses: Pause() (Escape with nothing pending) or kIdleSeconds without a key
// stop it until the next key.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/lessons/Lesson.h"

namespace dazi::lessons {

enum class CharResult : std::uint8_t { Pending, Right, Wrong, Corrected };

struct LessonFigures {
  int position = 0;             // characters written (进度)
  int length = 0;               // characters of the target
  int right = 0;                // places now written right, corrected ones included
  int wrong = 0;                // places ever written wrong, corrected ones included
  int keys = 0;                 // every key pressed
  int backspaces = 0;           // Backspace presses (退格)
  int corrected = 0;            // characters taken back and written again (回改)
  double seconds = 0;           // from the first key to the last change, pauses left out (用时)
  double cpm = 0;               // right characters per minute (速度)
  double accuracy = 100;        // per cent of the places reached not written wrong (正确率)
  double keysPerCharacter = 0;  // keys / position (码长)
  double keysPerSecond = 0;     // keys / seconds (击键)
  double limitSeconds = 0;      // a timed test's length, 0 for none
  bool done = false;            // every target character written, or a timed test's time up
  bool paused = false;          // the clock stands until the next key (已暂停)
};

// A point of the speed curve: when the text reached a position, and the speed then.
struct SpeedSample {
  double seconds = 0;
  int position = 0;
  double cpm = 0;
};

// What one character of the target collected over the run.
struct CharTally {
  std::string character;                        // UTF-8
  int seen = 0;                                 // places written
  int wrong = 0;                                // places written wrong at least once
  int keys = 0;                                 // keys spent on it
  double seconds = 0;                           // time spent on it, shared as the keys are
  std::map<std::string, int> writtenInstead{};  // what was written in its place, how often
};

inline constexpr int kVirtualKeyBack = 8;
// Seconds without a key after which the clock stands until the next key.
inline constexpr double kIdleSeconds = 10;

class LessonRun {
 public:
  using Clock = std::function<double()>;  // seconds on a steady clock

  // limitSeconds > 0 makes a timed test: the run is over once its clock reaches the limit.
  LessonRun(Lesson lesson, Clock clock, double limitSeconds = 0);

  // A key pressed (its virtual-key code); the first one starts the time, one after a pause
  // starts it again.
  void CountKey(int virtualKey);
  // The practice text (GBK) written since the lesson started, after any change.
  void Observe(std::string_view practiceText);
  // Stands the clock until the next key.
  void Pause();
  // Ends a timed test whose time is up; true when it did.
  bool CheckTime();
  // Ends the run at its last change of the text; later keys and text change nothing.
  void Stop();

  LessonFigures Figures() const;
  const Lesson& Source() const { return lesson_; }
  // Characters written (at most Length()) and characters of the target.
  int Position() const { return static_cast<int>(std::min(written_.size(), places_.size())); }
  int Length() const { return static_cast<int>(places_.size()); }
  const std::string& TargetGbk(int i) const { return target_[static_cast<std::size_t>(i)].gbk; }
  // The target character at place i (UTF-8) and its result.
  const std::string& TargetChar(int i) const { return target_[static_cast<std::size_t>(i)].utf8; }
  CharResult Result(int i) const { return places_[static_cast<std::size_t>(i)].result; }
  // What was written at place i (UTF-8), empty when nothing is.
  std::string WrittenChar(int i) const;
  // The target line holding the next place (the last line when done), its first place.
  int CurrentLine() const;
  int LineStart(int line) const { return lineStarts_[static_cast<std::size_t>(line)]; }
  const std::vector<SpeedSample>& SpeedCurve() const { return speed_; }
  // Per target character, the places reached, in order of first appearance.
  std::vector<CharTally> Tallies() const;
  bool Stopped() const { return stopped_; }

 private:
  struct Target {
    std::string gbk;
    std::string utf8;
  };
  struct Place {
    CharResult result = CharResult::Pending;
    bool everWrong = false;
    bool reached = false;
    int keys = 0;
    double seconds = 0;
    std::vector<std::string> writtenInstead;  // GBK
  };

  // Seconds of running clock up to time t (a steady-clock reading).
  double ActiveAt(double t) const;
  double Elapsed() const;
  bool Paused() const;
  void WritePlace(std::size_t place, const std::string& gbk);

  Lesson lesson_;
  Clock clock_;
  std::vector<Target> target_;
  std::vector<int> lineStarts_;
  std::vector<Place> places_;
  std::vector<std::string> written_;  // GBK characters now written
  std::string lastText_;              // the practice text last observed
  std::vector<std::string> scratch_;  // its characters, kept to spare allocations
  std::vector<SpeedSample> speed_;
  int keys_ = 0;
  int backspaces_ = 0;
  int corrected_ = 0;
  int pendingKeys_ = 0;   // keys since the last character written
  double lastWrite_ = 0;  // Elapsed() when a character was last written
  bool started_ = false;
  bool stopped_ = false;
  bool timeUp_ = false;
  // The clock: stretches of typing between pauses.
  double limitSeconds_ = 0;
  double banked_ = 0;        // seconds of the stretches closed
  double stretchStart_ = 0;  // when the current stretch began
  bool inStretch_ = false;   // false once paused, until the next key
  double lastKey_ = 0;       // when the last key came
  double lastChange_ = 0;    // running seconds at the last change of the text
  double stopSeconds_ = 0;   // the seconds shown once stopped
};

}  // namespace dazi::lessons
