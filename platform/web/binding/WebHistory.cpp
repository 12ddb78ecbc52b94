#include "platform/web/binding/WebHistory.h"

#include <nlohmann/json.hpp>

#include "tools/console/ConsoleSession.h"
#include "tools/console/Json.h"
#include "ui/lessons/LessonPractice.h"

namespace dazi::web {

std::string LessonSessions(lessons::LessonPractice& practice, const std::string& lesson) {
  if (!practice.OpenHistory()) {
    std::string reason;
    for (const std::string& notice : practice.TakeNotices()) reason += notice;
    return console::ErrorReport(reason.empty() ? "the lesson history cannot be opened" : reason);
  }
  console::Json sessions = console::Json::array();
  for (const lessons::SessionRow& row : practice.History().Sessions(lesson)) {
    sessions.push_back(console::Json{{"started", row.started},
                                     {"method", row.method},
                                     {"seconds", row.seconds},
                                     {"chars", row.chars},
                                     {"wrong", row.wrong},
                                     {"keys", row.keys},
                                     {"backspaces", row.backspaces},
                                     {"cpm", row.cpm},
                                     {"accuracy", row.accuracy}});
  }
  return console::JsonLine(console::Json{{"sessions", std::move(sessions)}});
}

}  // namespace dazi::web
