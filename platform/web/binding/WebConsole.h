// The page's one console session: a line in the console's notation (docs/console.md) in, the
// console's JSON answer out.
#pragma once

#include <string>
#include <string_view>

namespace dazi::web {

// Starts the session once the dictionaries are loaded; lessons are read from lessonsFolder.
// warning, when not empty, is shown in the first report's notice.
void StartConsole(const std::string& lessonsFolder, const std::string& warning);

// The JSON answer to line; an error report when the console has not started.
std::string AnswerLine(std::string_view line);

// The stored sessions of a lesson (WebHistory.h); an error report before the start.
std::string AnswerHistory(const std::string& lesson);

}  // namespace dazi::web
