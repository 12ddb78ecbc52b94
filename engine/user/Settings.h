// The settings byte of srf_pykx.set: bit 0 follow-on words, bit 3 English glosses,
// bit 4 the dictionary panel. The other bits are ignored.
#pragma once

#include <cstdint>
#include <string>

namespace dazi {

inline constexpr const char* kSettingsFile = "srf_pykx.set";
inline constexpr std::uint8_t kDefaultSettingsByte = 25;
inline constexpr std::uint8_t kSettingAutoAssociate = 1;
inline constexpr std::uint8_t kSettingShowEnglish = 8;
inline constexpr std::uint8_t kSettingShowDictionary = 16;

// Creates srf_pykx.set holding the default byte when it does not exist. False on failure.
bool EnsureSettingsFile();
// Reads the settings byte (the default when the file is missing or empty).
std::uint8_t ReadSettingsByte();
// Sets AutoAssociate, ShowEnglish and ShowDictionary from the byte's bits.
void ApplySettingsByte(std::uint8_t value);
// Writes the byte at position 0 of srf_pykx.set. False when it could not be written.
bool WriteSettingsByte(std::uint8_t value);

}  // namespace dazi
