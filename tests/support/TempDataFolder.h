// A fresh temporary data folder that a test works in: made the current directory, with the
// engine record, the dictionary streams and the data location reset; everything is removed
// afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace dazi::testing {

class TempDataFolder {
 public:
  TempDataFolder();
  ~TempDataFolder();
  TempDataFolder(const TempDataFolder&) = delete;
  TempDataFolder& operator=(const TempDataFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  void WriteBytes(const std::string& name, const std::string& bytes) const;
  std::string ReadBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace dazi::testing
