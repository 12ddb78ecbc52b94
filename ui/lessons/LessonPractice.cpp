#include "ui/lessons/LessonPractice.h"

#include <chrono>
#include <ctime>

#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"

namespace dazi::lessons {

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

LessonPractice::LessonPractice(PracticeController& controller, std::string historyPath,
                               LessonRun::Clock clock)
    : controller_(controller), history_(std::move(historyPath)), clock_(std::move(clock)) {}

bool LessonPractice::OpenHistory() {
  return history_.Open(&notices_);
}

void LessonPractice::Start(Lesson lesson) {
  if (running_) End();
  if (lesson.method == LessonMethod::Pinyin)
    controller_.SpeedButtonKXClick(PracticeController::MethodButton::Pinyin);
  else if (lesson.method == LessonMethod::Keypad)
    controller_.SpeedButtonKXClick(PracticeController::MethodButton::Keypad);
  controller_.SpeedButton2Click();
  method_ = MethodOf(SrfState.MethodClass) == InputMethod::Keypad ? "keypad" : "pinyin";
  started_ = static_cast<std::int64_t>(std::time(nullptr));
  run_ = std::make_unique<LessonRun>(std::move(lesson), clock_);
  hint_ = CodeHint();
  running_ = true;
  stored_ = false;
  Observe();
}

void LessonPractice::KeyPress(char key) {
  controller_.Edit1KeyPress(key);
}

void LessonPractice::KeyUp(int virtualKey) {
  if (running_) run_->CountKey(virtualKey);
  controller_.Memo1KeyUp(virtualKey);
  Observe();
}

void LessonPractice::Observe() {
  if (!running_ || run_->Stopped()) return;
  run_->Observe(controller_.OutputText());
  if (run_->Stopped()) Finish();
}

void LessonPractice::End() {
  if (!running_) return;
  run_->Stop();
  Finish();
  running_ = false;
}

void LessonPractice::Finish() {
  if (stored_) return;
  const LessonFigures f = run_->Figures();
  if (!f.done && f.position < kMinimumStoredCharacters) return;
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
  std::string error;
  if (history_.Store(row, run_->Tallies(), &error))
    stored_ = true;
  else
    notices_.push_back("练习记录未能保存：" + error);
}

}  // namespace dazi::lessons
