#include "engine/core/DataLocation.h"

#include <utility>

namespace dazi {
namespace {

DataLocation& Location() {
  static DataLocation location;
  return location;
}

std::string InFolder(const std::string& folder, const char* name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + '/' + name;
}

}  // namespace

void SetDataLocation(DataLocation location) {
  Location() = std::move(location);
}

const DataLocation& CurrentDataLocation() {
  return Location();
}

std::string DictionaryPath(const char* name) {
  return InFolder(Location().dictionaries, name);
}

std::string UserFilePath(const char* name) {
  return InFolder(Location().user, name);
}

}  // namespace dazi
