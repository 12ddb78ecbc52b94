// The settings byte of srf_pykx.set (bits in engine/dict/DictLayout.h): follow-on words,
// English glosses, the dictionary panel. The other bits are ignored.
#pragma once

#include <cstdint>
#include <string>

#include "engine/dict/DictLayout.h"

namespace dazi {

// The start-up read: creates a missing srf_pykx.set holding the default byte and returns the
// stored byte. A file that cannot be read (or is not a regular file) is left as it is; the
// default byte is used and *problem says why, as it does when the file cannot be created.
std::uint8_t LoadSettingsByte(std::string* problem);
// Reads the settings byte (the default when the file is missing, empty or unreadable).
std::uint8_t ReadSettingsByte();
// Sets AutoAssociate, ShowEnglish and ShowDictionary from the byte's bits.
void ApplySettingsByte(std::uint8_t value);
// Stores the byte as the whole of srf_pykx.set, through a temporary file, so that a crash
// leaves the old byte or the new one. False (reason in *error) when it could not be written.
bool WriteSettingsByte(std::uint8_t value, std::string* error = nullptr);

}  // namespace dazi
