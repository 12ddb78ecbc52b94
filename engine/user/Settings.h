// The settings byte of srf_pykx.set (bits in engine/dict/DictLayout.h): follow-on words,
// English glosses, the dictionary panel. The other bits are ignored.
#pragma once

#include <cstdint>
#include <string>

#include "engine/dict/DictLayout.h"

namespace dazi {

// Creates srf_pykx.set holding the default byte when it does not exist. False on failure.
bool EnsureSettingsFile();
// Reads the settings byte (the default when the file is missing or empty).
std::uint8_t ReadSettingsByte();
// Sets AutoAssociate, ShowEnglish and ShowDictionary from the byte's bits.
void ApplySettingsByte(std::uint8_t value);
// Writes the byte at position 0 of srf_pykx.set. False when it could not be written.
bool WriteSettingsByte(std::uint8_t value);

}  // namespace dazi
