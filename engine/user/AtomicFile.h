// Rewriting a user file whole without risking it: the new contents go to a temporary file in
// the same folder, which then replaces the old file, so a crash leaves one or the other.
#pragma once

#include <string>

namespace dazi {

// Replaces the file at path by bytes. False (the old file untouched) when it fails.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace dazi
