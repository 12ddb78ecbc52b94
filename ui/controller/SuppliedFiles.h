// The read-only files the build makes beside the executables: the six dictionaries and the
// sentence model. The user's data folder gets links to them (engine/user/DataFolder.h).
#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "engine/dict/DictLayout.h"
#include "engine/model/ModelFormat.h"

namespace dazi {

inline std::vector<std::string> SuppliedFiles() {
  std::vector<std::string> names(std::begin(kDictionaryFileNames), std::end(kDictionaryFileNames));
  names.emplace_back(model::kModelFileName);
  return names;
}

}  // namespace dazi
