// Reading a user file whole without trusting what lies at its name: a FIFO or device must not
// block or stall the program, and a file that exists but cannot be read must be told apart
// from a missing one, so that it is never taken as empty and overwritten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dazi {

enum class ReadStatus {
  Read,        // bytes holds the whole file
  Missing,     // nothing at that name
  Unreadable,  // something is there but could not be read; error says why
};

// The reasons given for a file that is there but is not read.
inline constexpr const char* kNotRegularFile = "not a regular file";
inline constexpr const char* kFileTooLarge = "too large";

struct FileContents {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  std::string error;  // for Unreadable: the reason, e.g. "not a regular file"
};

// Reads the regular file at path. Never blocks on a FIFO and never throws. A file of more than
// maxBytes is Unreadable (kFileTooLarge) and is not read.
FileContents ReadWholeFile(const std::string& path, std::size_t maxBytes = SIZE_MAX);

}  // namespace dazi
