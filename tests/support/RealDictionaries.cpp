#include "tests/support/RealDictionaries.h"

#include "engine/dict/DictFiles.h"
#include "engine/user/DataFolder.h"

namespace dazi::testing {

std::string LinkRealDictionaries(const std::filesystem::path& folder) {
  const std::filesystem::path bin = ExecutableFolder();
  for (const char* name : kDictionaryFileNames)
    if (!std::filesystem::exists(bin / name))
      return std::string("no ") + name + " beside the test; build the dictionaries first";
  std::error_code ec;
  for (const char* name : kDictionaryFileNames) {
    std::filesystem::create_symlink(bin / name, folder / name, ec);
    if (ec) return "cannot link " + std::string(name) + ": " + ec.message();
  }
  return {};
}

}  // namespace dazi::testing
