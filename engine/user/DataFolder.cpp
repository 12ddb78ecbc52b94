#include "engine/user/DataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace dazi {
namespace {

namespace fs = std::filesystem;

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return ".";
}

bool Failed(const fs::path& entry, const std::string& reason, std::string* error) {
  if (error) *error = "Cannot provide \"" + entry.string() + "\": " + reason;
  return false;
}

// Makes entry a link to target, or where links cannot be made a copy of it; a copy older
// than target is copied again.
bool ProvideFile(const fs::path& entry, const fs::path& target, std::string* error) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(entry, ec);
  if (fs::is_symlink(status)) {
    if (fs::read_symlink(entry, ec) == target && !ec) return true;
    fs::remove(entry, ec);
  } else if (fs::exists(status)) {
    if (!fs::is_regular_file(status)) return Failed(entry, "not a regular file", error);
    const auto copied = fs::last_write_time(entry, ec);
    const auto built = fs::last_write_time(target, ec);
    if (ec || built <= copied) return true;
    fs::copy_file(target, entry, fs::copy_options::overwrite_existing, ec);
    return ec ? Failed(entry, ec.message(), error) : true;
  }
  fs::create_symlink(target, entry, ec);
  if (!ec) return true;
  fs::copy_file(target, entry, ec);
  return ec ? Failed(entry, ec.message(), error) : true;
}

// Creates folder and its missing parents as rwxr-xr-x whatever the process's umask, so the
// user files can be made in it.
void CreateFolders(const fs::path& folder, std::error_code& ec) {
  if (folder.empty() || fs::is_directory(folder, ec)) return;
  if (folder.has_relative_path() && folder.parent_path() != folder)
    CreateFolders(folder.parent_path(), ec);
  if (!ec && fs::create_directory(folder, ec))
    fs::permissions(folder, static_cast<fs::perms>(0755), ec);
}

}  // namespace

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec).string();
  return exe.parent_path().string();
}

std::string SuppliedFolder() {
  if (const char* folder = std::getenv("DAZI_DICTIONARY_DIR"); folder && *folder) return folder;
  const fs::path executable = ExecutableFolder();
  std::error_code ec;
  if (fs::exists(executable / "srf_pub.zc", ec)) return executable.string();
  return (executable.parent_path() / "share" / "dazi").string();
}

std::string DefaultDataFolder() {
  // A relative XDG_DATA_HOME is not a valid base folder and is ignored, as desktops do.
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
    return (fs::path(xdg) / "dazi").string();
  return (fs::path(HomeFolder()) / ".local" / "share" / "dazi").string();
}

std::string ChooseDataFolder(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--data" && i + 1 < args.size()) return args[i + 1];
    if (args[i].rfind("--data=", 0) == 0) return args[i].substr(7);
  }
  return DefaultDataFolder();
}

bool ProvideDataFolder(const std::string& folder, const std::string& source,
                       const std::vector<std::string>& files, std::string* error) {
  std::error_code ec;
  CreateFolders(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    if (error) *error = "Cannot create data folder \"" + folder + "\": " + ec.message();
    return false;
  }
  if (fs::equivalent(folder, source, ec)) return true;
  for (const std::string& name : files) {
    const fs::path target = fs::absolute(fs::path(source) / name, ec);
    if (!fs::exists(target, ec)) continue;  // the load names what is missing
    if (!ProvideFile(fs::path(folder) / name, target, error)) return false;
  }
  return true;
}

bool EnterDataFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    if (error) *error = "Data folder \"" + folder + "\" does not exist";
    return false;
  }
  fs::current_path(folder, ec);
  if (ec) {
    if (error) *error = "Cannot enter data folder \"" + folder + "\": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace dazi
