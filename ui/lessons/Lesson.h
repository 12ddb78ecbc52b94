// A practice lesson: a target text of lines and its small header. Lesson files are UTF-8 text:
// "key: value" header lines (id, title, group, method) up to the first blank line, then the
// target lines; blank lines in the body are dropped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dazi::lessons {

// The input method a lesson is written for; any lets the user keep the one in use.
enum class LessonMethod { Any, Pinyin, Keypad };

struct Lesson {
  std::string id;
  std::string title;
  std::string group;
  LessonMethod method = LessonMethod::Any;
  std::vector<std::string> lines;  // UTF-8, none empty
};

// "any", "pinyin", "keypad".
std::string_view MethodName(LessonMethod method);

// Parses a lesson file's text; nullopt with the reason in *error when the header lacks an id
// or a title, names an unknown method, or the body has no line.
std::optional<Lesson> ParseLesson(std::string_view utf8, std::string* error);

// The file text ParseLesson reads back.
std::string FormatLesson(const Lesson& lesson);

// Every *.txt lesson of folder, ordered by id; files that do not parse are left out and named
// in *problems.
std::vector<Lesson> LoadLessonFolder(const std::string& folder,
                                     std::vector<std::string>* problems = nullptr);

}  // namespace dazi::lessons
