// Rewriting a user file whole without risking it: the new contents go to a temporary file in
// the same folder, are flushed to disk, and then replace the old file by a rename, so a crash
// at any moment leaves one or the other, never a mix.
#pragma once

#include <string>

namespace dazi {

// Replaces the file at path by bytes. A symbolic link is followed, so the file it points to is
// replaced and the link kept. False (the old file untouched, the reason in *error) when it
// fails, or when something other than a regular file lies at path.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);

}  // namespace dazi
