#include "ui/lessons/LessonCatalogue.h"

#include "ui/lessons/UserText.h"
#include "ui/lessons/Utf8Chars.h"
#include "ui/lessons/WeakPoints.h"

namespace dazi::lessons {
namespace {

// Word drills are the lessons whose id starts with this.
constexpr std::string_view kWordDrillPrefix = "words-";

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

const std::vector<Lesson>& LessonCatalogue::Lessons() {
  if (!loaded_) {
    loaded_ = true;
    lessons_ = LoadLessonFolder(folder_);
    Lesson weak;
    weak.id = kWeakPointsId;
    weak.title = kWeakPointsTitle;
    weak.group = kWeakPointsTitle;
    lessons_.push_back(std::move(weak));
  }
  return lessons_;
}

std::vector<std::string> LessonCatalogue::DrillWords() {
  std::vector<std::string> words;
  for (const Lesson& lesson : Lessons()) {
    if (lesson.id.compare(0, kWordDrillPrefix.size(), kWordDrillPrefix) != 0) continue;
    for (const std::string& line : lesson.lines) {
      std::size_t at = 0;
      while (at < line.size()) {
        std::size_t end = line.find(' ', at);
        if (end == std::string::npos) end = line.size();
        if (end > at) words.push_back(line.substr(at, end - at));
        at = end + 1;
      }
    }
  }
  return words;
}

std::optional<Lesson> LessonCatalogue::Resolve(const std::string& argument, LessonHistory& history,
                                               std::vector<std::string>* notices,
                                               std::string* error) {
  if (argument == kWeakPointsId) {
    history.Open(notices);
    std::optional<Lesson> weak = MakeWeakPointsLesson(
        {history.CharStats(), history.Pace(), history.Confusions()}, DrillWords());
    if (!weak && error) *error = "还没有弱项：练习记录中没有打错的字。";
    return weak;
  }
  for (const Lesson& lesson : Lessons())
    if (lesson.id == argument && !lesson.lines.empty()) return lesson;
  if (EndsWith(argument, ".txt") || EndsWith(argument, ".TXT")) {
    std::optional<UserText> text = LoadUserText(argument, error);
    if (!text) return std::nullopt;
    if (!text->skipped.empty() && notices)
      notices->push_back(text->lesson.title + " 中无法输入的字符已略过：" +
                         NameCharacters(text->skipped));
    return std::move(text->lesson);
  }
  if (error) *error = "没有这一课：" + argument;
  return std::nullopt;
}

}  // namespace dazi::lessons
