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

// Opens the lock file, making it rw-r--r-- when it is new whatever the process's umask, so
// the next program (or the next run) can open it too.
int OpenLockFile(const std::string& path) {
  constexpr int kFlags = O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW;
  const int made = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
  if (made >= 0) {
    ::fchmod(made, 0644);
    return made;
  }
  return errno == EEXIST ? ::open(path.c_str(), kFlags) : -1;
}

}  // namespace

UserFilesLock::UserFilesLock() {
  const int fd = OpenLockFile(UserFilePath(kUserFilesLockFile));
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
