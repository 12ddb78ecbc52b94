#include "ui/lessons/Lesson.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace dazi::lessons {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::optional<LessonMethod> ParseMethod(std::string_view name) {
  if (name == "any" || name.empty()) return LessonMethod::Any;
  if (name == "pinyin") return LessonMethod::Pinyin;
  if (name == "keypad") return LessonMethod::Keypad;
  return std::nullopt;
}

}  // namespace

std::string_view MethodName(LessonMethod method) {
  switch (method) {
    case LessonMethod::Pinyin:
      return "pinyin";
    case LessonMethod::Keypad:
      return "keypad";
    case LessonMethod::Any:
      break;
  }
  return "any";
}

std::optional<Lesson> ParseLesson(std::string_view utf8, std::string* error) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  Lesson lesson;
  bool inHeader = true;
  std::string methodName;
  while (!utf8.empty()) {
    const std::size_t end = utf8.find('\n');
    const std::string_view line = TrimBlanks(utf8.substr(0, end));
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (inHeader) {
      if (line.empty()) {
        inHeader = false;
        continue;
      }
      const std::size_t colon = line.find(':');
      if (colon == std::string_view::npos) {
        if (error) *error = "header line without a colon: " + std::string(line);
        return std::nullopt;
      }
      const std::string_view key = TrimBlanks(line.substr(0, colon));
      const std::string value(TrimBlanks(line.substr(colon + 1)));
      if (key == "id")
        lesson.id = value;
      else if (key == "title")
        lesson.title = value;
      else if (key == "group")
        lesson.group = value;
      else if (key == "method")
        methodName = value;
      continue;
    }
    if (!line.empty()) lesson.lines.emplace_back(line);
  }
  const std::optional<LessonMethod> method = ParseMethod(methodName);
  std::string why;
  if (lesson.id.empty())
    why = "the header has no id";
  else if (lesson.title.empty())
    why = "the header has no title";
  else if (!method)
    why = "unknown method " + methodName;
  else if (lesson.lines.empty())
    why = "the lesson has no text";
  if (!why.empty()) {
    if (error) *error = why;
    return std::nullopt;
  }
  lesson.method = *method;
  return lesson;
}

std::string FormatLesson(const Lesson& lesson) {
  std::string text = "id: " + lesson.id + "\ntitle: " + lesson.title + "\ngroup: " + lesson.group +
                     "\nmethod: " + std::string(MethodName(lesson.method)) + "\n\n";
  for (const std::string& line : lesson.lines) text += line + "\n";
  return text;
}

std::vector<Lesson> LoadLessonFolder(const std::string& folder,
                                     std::vector<std::string>* problems) {
  std::vector<Lesson> lessons;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    if (std::optional<Lesson> lesson = ParseLesson(text.str(), &error)) {
      lessons.push_back(std::move(*lesson));
    } else if (problems) {
      problems->push_back(entry.path().filename().string() + ": " + error);
    }
  }
  std::sort(lessons.begin(), lessons.end(),
            [](const Lesson& a, const Lesson& b) { return a.id < b.id; });
  return lessons;
}

}  // namespace dazi::lessons
