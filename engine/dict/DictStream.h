// A read-only dictionary file kept open for positioned reads of little-endian fields.
// The file is memory-mapped: a read is a bounds check and a few byte loads, and any byte
// beyond the end of the file reads as 0, so truncated or corrupted files never fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dazi {

class DictStream {
 public:
  DictStream() = default;
  ~DictStream();
  DictStream(const DictStream&) = delete;
  DictStream& operator=(const DictStream&) = delete;

  // Opens the file read-only; false (with the reason in error) when it cannot be opened.
  bool Open(const std::string& path, std::string* error = nullptr);
  void Close();
  bool IsOpen() const { return open_; }
  std::size_t Size() const { return size_; }

  // Positioned reads of unsigned little-endian integers of 1, 2 or 3 bytes.
  std::uint32_t ReadU8(std::size_t pos) const { return ReadLE(pos, 1); }
  std::uint32_t ReadU16(std::size_t pos) const { return ReadLE(pos, 2); }
  std::uint32_t ReadU24(std::size_t pos) const { return ReadLE(pos, 3); }
  std::uint32_t ReadLE(std::size_t pos, int width) const;
  // count bytes from pos; the part beyond the end of the file is cut off.
  std::string ReadBytes(std::size_t pos, std::size_t count) const;

  // Sequential reads from a cursor, for the loader's record walks.
  void Seek(std::size_t pos) { cursor_ = pos; }
  std::size_t Tell() const { return cursor_; }
  std::uint32_t Next(int width) {
    std::uint32_t v = ReadLE(cursor_, width);
    cursor_ += static_cast<std::size_t>(width);
    return v;
  }
  std::string NextBytes(std::size_t count) {
    std::string s = ReadBytes(cursor_, count);
    cursor_ += count;
    return s;
  }

 private:
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t cursor_ = 0;
  bool open_ = false;
};

}  // namespace dazi
