#include "engine/user/Settings.h"

#include "engine/core/DataLocation.h"
#include "engine/core/Unit_Data.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/FileRead.h"

namespace dazi {

std::uint8_t LoadSettingsByte(std::string* problem) {
  const FileContents file = ReadWholeFile(UserFilePath(kSettingsFile));
  std::string error;
  if (file.status == ReadStatus::Missing && !WriteSettingsByte(kDefaultSettingsByte, &error))
    *problem = std::string("Cannot create ") + kSettingsFile + ": " + error;
  if (file.status == ReadStatus::Unreadable)
    *problem = std::string("Cannot read ") + kSettingsFile + " (" + file.error +
               "): the default settings are used";
  if (file.status != ReadStatus::Read || file.bytes.empty()) return kDefaultSettingsByte;
  return static_cast<std::uint8_t>(file.bytes[0]);
}

std::uint8_t ReadSettingsByte() {
  const FileContents file = ReadWholeFile(UserFilePath(kSettingsFile));
  if (file.status != ReadStatus::Read || file.bytes.empty()) return kDefaultSettingsByte;
  return static_cast<std::uint8_t>(file.bytes[0]);
}

void ApplySettingsByte(std::uint8_t value) {
  SrfState.AutoAssociate = (value & kSettingAutoAssociate) ? 1 : 0;
  SrfState.ShowEnglish = (value & kSettingShowEnglish) ? 1 : 0;
  SrfState.ShowDictionary = (value & kSettingShowDictionary) ? 1 : 0;
}

bool WriteSettingsByte(std::uint8_t value, std::string* error) {
  // Truncating in place would leave an empty file if the program died between the two steps.
  return WriteFileAtomically(UserFilePath(kSettingsFile), std::string(1, static_cast<char>(value)),
                             error);
}

}  // namespace dazi
