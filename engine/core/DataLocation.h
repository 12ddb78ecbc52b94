// Where the engine opens its files. The dictionaries and the sentence model are read only and
// may lie in an install folder; the user files (lexicon, corpus, settings, their lock) are
// written and lie in the user's own folder. An empty folder means the current directory,
// which is what the window and the console use: they change into the data folder at start.
// A long-running host such as an input-method daemon sets both folders instead, since its
// current directory is nobody's data folder.
#pragma once

#include <string>

namespace dazi {

struct DataLocation {
  std::string dictionaries;  // the dictionaries and the sentence model
  std::string user;          // the user files
};

void SetDataLocation(DataLocation location);
const DataLocation& CurrentDataLocation();

// name inside the dictionary folder, or name itself when that folder is the current one.
std::string DictionaryPath(const char* name);
// name inside the user folder, or name itself when that folder is the current one.
std::string UserFilePath(const char* name);

}  // namespace dazi
