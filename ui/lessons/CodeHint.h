// The code hint of a lesson, on demand (F2 in the window, :hint in the console): the next
// character to write with its pinyin and tones, or its KX code (and, in the window, its
// stroke picture), shown until that character is written. Nothing is shown until asked for;
// each character hinted counts once towards the lesson's hints.
#pragma once

#include <optional>
#include <string>

#include "ui/lessons/LessonRun.h"

namespace dazi::lessons {

struct HintShown {
  int place = 0;
  std::string character;  // UTF-8
  std::string pinyin;     // readings with tone marks, "zhōng，zhòng"; empty when unknown
  std::string code;       // KX main code, "251"; empty when none
};

class CodeHint {
 public:
  // Asks for the hint of the run's next character; false when none is left to write.
  bool Ask(const LessonRun& run);
  // The hint showing now: nullopt before any is asked for and once its character is written.
  std::optional<HintShown> Shown(const LessonRun& run) const;
  // Characters hinted in this run.
  int Used() const { return used_; }

 private:
  int place_ = -1;
  int used_ = 0;
};

}  // namespace dazi::lessons
