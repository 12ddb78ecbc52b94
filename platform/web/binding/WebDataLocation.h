// Where the module's files lie: the dictionaries and the sentence model in a read-only folder
// of the module's memory file system, the user files (lexicon, corpus, settings, lesson
// history) in a folder the page keeps in IndexedDB (or a plain folder under node).
#pragma once

#include <string>

namespace dazi::web {

// Points the engine at the two folders, makes the user folder the current directory (the
// lesson history lies there), loads the dictionaries and the stored sentence engine. False with
// the reason in *error when a dictionary cannot be loaded; *warning gets what the load reports
// without failing.
bool StartDataLocation(const std::string& dictionaries, const std::string& user,
                       std::string* warning, std::string* error);

}  // namespace dazi::web
