#include "ui/lessons/LessonPractice.h"

#include <chrono>
#include <ctime>
#include <set>

#include "engine/core/Gbk.h"
#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"
#include "ui/controller/Punctuation.h"
#include "ui/controller/VirtualKeys.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::lessons {

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool IsTimedTestLength(int minutes) {
  for (const int m : kTimedTestMinutes)
    if (m == minutes) return true;
  return false;
}

Lesson TimedTestText(const Lesson& lesson, int minutes) {
  // Beyond any typist's speed, so the time, not the text, ends the test.
  constexpr int kCharactersPerMinute = 400;
  Lesson timed = lesson;
  const int once = LessonRun(lesson, [] { return 0.0; }).Figures().length;
  if (once <= 0) return timed;
  for (int length = once; length < minutes * kCharactersPerMinute; length += once)
    timed.lines.insert(timed.lines.end(), lesson.lines.begin(), lesson.lines.end());
  return timed;
}

bool HoldsFullWidthMarks(const Lesson& lesson) {
  // The marks the punctuation keys write in Chinese punctuation, both quotation marks of each
  // quote key included (UTF-8).
  static const std::set<std::string, std::less<>> kMarks = [] {
    std::set<std::string, std::less<>> marks = {"“", "”", "‘", "’"};
    for (char key = '!'; key <= '~'; ++key)
      if (IsPunctuationKey(key)) marks.insert(Utf8FromGbk(FullWidthSymbols(key)));
    return marks;
  }();
  for (const std::string& line : lesson.lines)
    for (const std::string_view ch : SplitUtf8(line))
      if (kMarks.find(ch) != kMarks.end()) return true;
  return false;
}

LessonPractice::LessonPractice(PracticeController& controller, std::string historyPath,
                               LessonRun::Clock clock)
    : controller_(controller), history_(std::move(historyPath)), clock_(std::move(clock)) {}

bool LessonPractice::OpenHistory() {
  return history_.Open(&notices_);
}

void LessonPractice::Start(Lesson lesson, int minutes) {
  if (running_) End();
  if (lesson.method == LessonMethod::Pinyin)
    controller_.SpeedButtonKXClick(PracticeController::MethodButton::Pinyin);
  else if (lesson.method == LessonMethod::Keypad)
    controller_.SpeedButtonKXClick(PracticeController::MethodButton::Keypad);
  // Typed text leaves the input and its candidates behind: a lesson starts with nothing pending.
  controller_.ResetComposition();
  controller_.SpeedButton2Click();
  learnerChinesePunctuation_ = controller_.ChinesePunctuation();
  controller_.SetChinesePunctuation(HoldsFullWidthMarks(lesson));
  method_ = MethodOf(SrfState.MethodClass) == InputMethod::Keypad ? "keypad" : "pinyin";
  started_ = static_cast<std::int64_t>(std::time(nullptr));
  lessonLength_ = LessonRun(lesson, clock_).Figures().length;
  const bool timed = minutes > 0;
  if (timed) lesson = TimedTestText(lesson, minutes);
  run_ = std::make_unique<LessonRun>(std::move(lesson), clock_, timed ? minutes * 60.0 : 0.0);
  hint_ = CodeHint();
  running_ = true;
  finished_ = false;
  stored_ = false;
  tooShort_ = false;
  Observe();
}

void LessonPractice::KeyDown(int virtualKey) {
  if (running_) run_->CountKey(virtualKey);
  Observe();  // a timed test may be over
}

void LessonPractice::KeyPress(char key) {
  // In a lesson the quote key writes the quotation mark the text expects at its place.
  if (running_ && !run_->Stopped() && (key == '\'' || key == '"') &&
      controller_.ChinesePunctuation() && run_->Position() < run_->Length())
    AimQuote(run_->TargetGbk(run_->Position()), SrfState.QuoteState);
  controller_.Edit1KeyPress(key);
}

void LessonPractice::KeyUp(int virtualKey) {
  // Escape with nothing pending stands the clock.
  const bool pause = virtualKey == vk::kEscape && !controller_.Composing();
  controller_.Memo1KeyUp(virtualKey);
  if (pause && running_) run_->Pause();
  Observe();
}

void LessonPractice::Observe() {
  if (!running_) return;
  if (!run_->Stopped()) run_->Observe(controller_.OutputText());
  if (run_->Stopped()) Finish();
}

void LessonPractice::Tick() {
  if (running_ && run_->CheckTime()) Finish();
}

void LessonPractice::End() {
  if (!running_) return;
  run_->Stop();
  Finish();
  running_ = false;
}

void LessonPractice::RestorePunctuation() {
  if (learnerChinesePunctuation_)
    controller_.SetChinesePunctuation(*std::exchange(learnerChinesePunctuation_, std::nullopt));
}

void LessonPractice::Finish() {
  if (finished_) return;
  finished_ = true;
  RestorePunctuation();
  const LessonFigures f = run_->Figures();
  if (!f.done && f.position < kMinimumStoredCharacters) {
    tooShort_ = f.position > 0;
    return;
  }
  if (!OpenHistory()) return;
  SessionRow row;
  row.lesson = run_->Source().id;
  row.method = method_;
  row.started = started_;
  row.seconds = f.seconds;
  row.chars = f.position;
  row.wrong = f.wrong;
  row.keys = f.keys;
  row.backspaces = f.backspaces;
  row.cpm = f.cpm;
  row.accuracy = f.accuracy;
  row.finished = f.done;
  row.length = lessonLength_;
  std::string error;
  if (history_.Store(row, run_->Tallies(), &error))
    stored_ = true;
  else
    notices_.push_back("练习记录未能保存：" + error);
}

}  // namespace dazi::lessons
