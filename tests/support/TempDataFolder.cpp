#include "tests/support/TempDataFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/core/DataLocation.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"

namespace dazi::testing {

TempDataFolder::TempDataFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dazi-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  previous_ = std::filesystem::current_path();
  std::filesystem::current_path(path_);
  Dict.CloseAll();
  ResetEngineState();
  SetDataLocation({});
}

TempDataFolder::~TempDataFolder() {
  Dict.CloseAll();
  ResetEngineState();
  SetDataLocation({});
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

void TempDataFolder::WriteBytes(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDataFolder::ReadBytes(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace dazi::testing
