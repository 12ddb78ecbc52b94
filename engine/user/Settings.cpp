#include "engine/user/Settings.h"

#include <filesystem>
#include <fstream>

#include "engine/core/Unit_Data.h"

namespace dazi {

bool EnsureSettingsFile() {
  std::error_code ec;
  if (std::filesystem::exists(kSettingsFile, ec)) return true;
  return WriteSettingsByte(kDefaultSettingsByte);
}

std::uint8_t ReadSettingsByte() {
  std::ifstream in(kSettingsFile, std::ios::binary);
  char value = 0;
  if (!in.get(value)) return kDefaultSettingsByte;
  return static_cast<std::uint8_t>(value);
}

void ApplySettingsByte(std::uint8_t value) {
  SrfState.AutoAssociate = (value & kSettingAutoAssociate) ? 1 : 0;
  SrfState.ShowEnglish = (value & kSettingShowEnglish) ? 1 : 0;
  SrfState.ShowDictionary = (value & kSettingShowDictionary) ? 1 : 0;
}

bool WriteSettingsByte(std::uint8_t value) {
  // One byte: overwriting in place cannot leave a half-written file.
  std::ofstream out(kSettingsFile, std::ios::binary | std::ios::trunc);
  out.put(static_cast<char>(value));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace dazi
