// The lessons on offer: the lesson files of the lessons folder (beside the executables), the
// weak-points lesson drawn from the history, and the user's own .txt files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonHistory.h"

namespace dazi::lessons {

inline constexpr char kLessonsFolder[] = "lessons";

class LessonCatalogue {
 public:
  explicit LessonCatalogue(std::string folder) : folder_(std::move(folder)) {}

  // The folder's lessons, ordered by id, followed by the weak-points entry (its text is made
  // only when it starts). Read on first use.
  const std::vector<Lesson>& Lessons();
  // The words of the word drills, for the weak-points lesson.
  std::vector<std::string> DrillWords();

  // The lesson an argument names: "weak", a lesson id, or a .txt file (UTF-8 or GBK). nullopt
  // with the reason in *error. A user text's left-out characters are reported in *notice.
  std::optional<Lesson> Resolve(const std::string& argument, LessonHistory& history,
                                std::vector<std::string>* notices, std::string* error);

  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::vector<Lesson> lessons_;
  bool loaded_ = false;
};

}  // namespace dazi::lessons
