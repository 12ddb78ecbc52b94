#include "engine/dict/DictStream.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dazi {

DictStream::~DictStream() {
  Close();
}

bool DictStream::Open(const std::string& path, std::string* error) {
  Close();
  // O_NONBLOCK: a FIFO at the name would otherwise hold the open until a writer comes; the
  // check below then refuses it.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (error) *error = "not a regular file";
    ::close(fd);
    return false;
  }
  size_ = static_cast<std::size_t>(st.st_size);
  if (size_ > 0) {
    void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED) {
      if (error) *error = std::strerror(errno);
      ::close(fd);
      size_ = 0;
      return false;
    }
    data_ = static_cast<const unsigned char*>(map);
  }
  ::close(fd);  // the mapping stays valid after the descriptor is closed
  open_ = true;
  cursor_ = 0;
  return true;
}

void DictStream::Close() {
  if (data_) ::munmap(const_cast<unsigned char*>(data_), size_);
  data_ = nullptr;
  size_ = 0;
  cursor_ = 0;
  open_ = false;
}

std::uint32_t DictStream::ReadLE(std::size_t pos, int width) const {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    std::size_t at = pos + static_cast<std::size_t>(i);
    if (at < pos || at >= size_) break;  // beyond the end (or wrapped): zero bytes
    value |= static_cast<std::uint32_t>(data_[at]) << (8 * i);
  }
  return value;
}

std::string DictStream::ReadBytes(std::size_t pos, std::size_t count) const {
  if (pos >= size_) return {};
  std::size_t available = size_ - pos;
  if (count > available) count = available;
  return std::string(reinterpret_cast<const char*>(data_ + pos), count);
}

}  // namespace dazi
