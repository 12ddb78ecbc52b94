// The functions the page calls (dazi-core.js exports them as _dazi_start and _dazi_send). Each
// returns the console's JSON in a buffer that stays valid until the next call.
#include <emscripten/emscripten.h>

#include <string>

#include "platform/web/binding/WebConsole.h"
#include "platform/web/binding/WebDataLocation.h"
#include "platform/web/binding/WebWords.h"
#include "tools/console/ConsoleSession.h"

namespace {

std::string& Answer() {
  static std::string answer;
  return answer;
}

}  // namespace

extern "C" {

// Loads the dictionaries of the folder dictionaries, keeps the user files in user and reads the
// lessons of lessons; answers the first state, or {"error": ...}.
EMSCRIPTEN_KEEPALIVE const char* dazi_start(const char* dictionaries, const char* user,
                                            const char* lessons) {
  std::string warning;
  std::string error;
  if (!dazi::web::StartDataLocation(dictionaries, user, &warning, &error)) {
    Answer() = dazi::console::ErrorReport(error);
  } else {
    dazi::web::StartConsole(lessons, warning);
    Answer() = dazi::web::AnswerLine("");
  }
  return Answer().c_str();
}

// One console line (keys or a :command) in; the JSON answer out.
EMSCRIPTEN_KEEPALIVE const char* dazi_send(const char* line) {
  Answer() = dazi::web::AnswerLine(line);
  return Answer().c_str();
}

// The stored sessions of the lesson with id lesson, oldest first (WebHistory.h).
EMSCRIPTEN_KEEPALIVE const char* dazi_history(const char* lesson) {
  Answer() = dazi::web::AnswerHistory(lesson);
  return Answer().c_str();
}

// The word editor: "open", "add CATEGORY TEXT" or "delete CATEGORY ENTRY" (WebWords.h).
EMSCRIPTEN_KEEPALIVE const char* dazi_words(const char* command) {
  Answer() = dazi::web::AnswerWords(command);
  return Answer().c_str();
}

}  // extern "C"
