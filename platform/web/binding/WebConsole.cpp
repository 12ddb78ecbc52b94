#include "platform/web/binding/WebConsole.h"

#include <memory>

#include "platform/web/binding/WebHistory.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::web {
namespace {

std::unique_ptr<console::ConsoleSession>& Session() {
  static std::unique_ptr<console::ConsoleSession> session;
  return session;
}

}  // namespace

void StartConsole(const std::string& lessonsFolder, const std::string& warning) {
  Session() = std::make_unique<console::ConsoleSession>(lessonsFolder);
  if (!warning.empty()) Session()->Notify(warning);
}

std::string AnswerLine(std::string_view line) {
  if (!Session()) return console::ErrorReport("not started");
  return Session()->HandleLine(line);
}

std::string AnswerHistory(const std::string& lesson) {
  if (!Session()) return console::ErrorReport("not started");
  return LessonSessions(Session()->Lessons(), lesson);
}

}  // namespace dazi::web
