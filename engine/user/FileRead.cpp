#include "engine/user/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dazi {

FileContents ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileContents result;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    result.error = std::strerror(errno);
    return result;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    result.status = ReadStatus::Unreadable;
    result.error = kNotRegularFile;
    return result;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    ::close(fd);
    result.status = ReadStatus::Unreadable;
    result.error = kFileTooLarge;
    return result;
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      result.error = std::strerror(errno);
      ::close(fd);
      result.status = ReadStatus::Unreadable;
      result.bytes.clear();
      return result;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(got));
    // A file that grows while it is read stops at the limit too.
    if (result.bytes.size() > maxBytes) {
      ::close(fd);
      result.status = ReadStatus::Unreadable;
      result.error = kFileTooLarge;
      result.bytes.clear();
      return result;
    }
  }
  ::close(fd);
  result.status = ReadStatus::Read;
  return result;
}

}  // namespace dazi
