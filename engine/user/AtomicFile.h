// Rewriting a user file whole without risking it: the new contents go to a temporary file in
// the same folder, are flushed to disk, and then replace the old file by a rename, so a crash
// at any moment leaves one or the other, never a mix.
#pragma once

#include <string>

namespace dazi {

// Replaces the file at path by bytes. A symbolic link is followed, so the file it points to is
// replaced and the link kept; a link to nothing is refused. The new file keeps the old one's
// mode and owner. False (the old file untouched, the reason in *error) when it fails, or when
// something other than a regular file lies at path.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);

// The moments of a rewrite at which a crash leaves different things on disk. The crash tests
// stop a writer at each of them in turn, so they prove the same on any machine at any load.
enum class AtomicWriteStep {
  kTemporaryCreated,  // the temporary file exists, empty
  kTemporaryHalf,     // half of the new bytes are in it
  kTemporaryWritten,  // all of them, flushed, before the rename
  kReplaced,          // renamed over the old file, the folder not yet flushed
};
// Called at each step when set; tests only, null in the programs.
using AtomicWriteObserver = void (*)(AtomicWriteStep);
void SetAtomicWriteObserver(AtomicWriteObserver observer);

}  // namespace dazi
