// The lesson history the page shows: a lesson's stored sessions, oldest first, as JSON.
#pragma once

#include <string>

namespace dazi::lessons {
class LessonPractice;
}

namespace dazi::web {

// {"sessions":[{"started","method","seconds","chars","wrong","keys","backspaces","cpm",
// "accuracy"},...]}, or {"error": ...} when the history cannot be opened.
std::string LessonSessions(lessons::LessonPractice& practice, const std::string& lesson);

}  // namespace dazi::web
