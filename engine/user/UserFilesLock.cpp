#include "engine/user/UserFilesLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "engine/core/DataLocation.h"

namespace dazi {
namespace {

constexpr auto kPatience = std::chrono::seconds(2);
constexpr auto kRetryPause = std::chrono::milliseconds(10);

}  // namespace

UserFilesLock::UserFilesLock() {
  const int fd = ::open(UserFilePath(kUserFilesLockFile).c_str(),
                        O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    error_ = std::string(kUserFilesLockFile) + ": " + std::strerror(errno);
    return;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    error_ = std::string(kUserFilesLockFile) + ": not a regular file";
    return;
  }
  // Another program holds the lock only for one short rewrite; a holder that never lets go
  // (stopped in a debugger, say) must not freeze this one.
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    if ((err != EWOULDBLOCK && err != EINTR) || std::chrono::steady_clock::now() > deadline) {
      error_ = std::string(kUserFilesLockFile) + ": " +
               (err == EWOULDBLOCK ? "held by another program" : std::strerror(err));
      ::close(fd);
      return;
    }
    std::this_thread::sleep_for(kRetryPause);
  }
  fd_ = fd;
}

UserFilesLock::~UserFilesLock() {
  if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

}  // namespace dazi
