#include "engine/user/DataFolder.h"

#include <filesystem>

namespace dazi {

std::string ExecutableFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

std::string ChooseDataFolder(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--data" && i + 1 < args.size()) return args[i + 1];
    if (args[i].rfind("--data=", 0) == 0) return args[i].substr(7);
  }
  return ExecutableFolder();
}

bool EnterDataFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    if (error) *error = "Data folder \"" + folder + "\" does not exist";
    return false;
  }
  std::filesystem::current_path(folder, ec);
  if (ec) {
    if (error) *error = "Cannot enter data folder \"" + folder + "\": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace dazi
