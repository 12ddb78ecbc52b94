#include "platform/web/binding/WebDataLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/core/DataLocation.h"
#include "engine/startup/DictionaryLoader.h"
#include "ui/controller/DefaultSentence.h"

namespace dazi::web {

bool StartDataLocation(const std::string& dictionaries, const std::string& user,
                       std::string* warning, std::string* error) {
  // The module starts with a umask that leaves new files unreadable to their owner.
  umask(022);
  if (mkdir(user.c_str(), 0755) != 0 && errno != EEXIST) {
    *error = "cannot make the user folder " + user + ": " + std::strerror(errno);
    return false;
  }
  if (chdir(user.c_str()) != 0) {
    *error = "cannot enter the user folder " + user + ": " + std::strerror(errno);
    return false;
  }
  SetDataLocation({dictionaries, user});
  const LoadResult loaded = LoadDictionaries();
  if (!loaded.ok) {
    *error = loaded.message;
    return false;
  }
  *warning = loaded.warning;
  StartSentenceMethod();
  return true;
}

}  // namespace dazi::web
