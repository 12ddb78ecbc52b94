#include "engine/user/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace dazi {
namespace {

AtomicWriteObserver observer = nullptr;

void Reached(AtomicWriteStep step) {
  if (observer) observer(step);
}

bool Fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

bool WriteSpan(int fd, const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t wrote = ::write(fd, data + done, size - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

bool WriteAll(int fd, const std::string& bytes) {
  if (!observer) return WriteSpan(fd, bytes.data(), bytes.size());
  // Observed: in two halves, so a test can stop between them.
  const std::size_t half = bytes.size() / 2;
  if (!WriteSpan(fd, bytes.data(), half)) return false;
  Reached(AtomicWriteStep::kTemporaryHalf);
  return WriteSpan(fd, bytes.data() + half, bytes.size() - half);
}

// The file that a write to path really replaces: the end of a chain of symbolic links.
std::filesystem::path Target(const std::string& path) {
  constexpr int kLongestChain = 40;
  std::filesystem::path at(path);
  std::error_code ec;
  for (int i = 0; i < kLongestChain && std::filesystem::is_symlink(at, ec); ++i) {
    const std::filesystem::path next = std::filesystem::read_symlink(at, ec);
    if (ec) break;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at;
}

// A new user file is readable by all and written by its owner, whatever the process's umask
// (under umask 0777 a file made the ordinary way could not be read back).
constexpr mode_t kNewFileMode = 0644;

}  // namespace

void SetAtomicWriteObserver(AtomicWriteObserver next) {
  observer = next;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
  const std::filesystem::path target = Target(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return Fail(error, "not a regular file");
  // A link that points nowhere would make a file wherever it points: refused, not followed.
  struct stat link {};
  if (!exists && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
    return Fail(error, "a symbolic link to a file that does not exist");
  // A file the user made read-only stays as it is, although the rename could replace it.
  if (exists && ::access(target.c_str(), W_OK) != 0) return Fail(error, std::strerror(errno));
  // A name of its own for each writer, so two programs never share a temporary file.
  std::string name = target.string() + ".tmp.XXXXXX";
  std::vector<char> temp(name.begin(), name.end());
  temp.push_back('\0');
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Fail(error, std::strerror(errno));
  // The old file's permissions are kept; mkostemp made the new one private to the owner, less
  // the umask.
  if (::fchmod(fd, exists ? st.st_mode & 07777 : kNewFileMode) != 0) {
    const int chmodErrno = errno;
    ::close(fd);
    ::unlink(temp.data());
    return Fail(error, std::strerror(chmodErrno));
  }
  // And its owner: a rewrite by root in a user's folder must not take the user's file away.
  // Only root can give a file away, and only root needs to; others keep their own.
  if (exists && ::geteuid() == 0 && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
    const int chownErrno = errno;
    ::close(fd);
    ::unlink(temp.data());
    return Fail(error, std::strerror(chownErrno));
  }
  Reached(AtomicWriteStep::kTemporaryCreated);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp.data());
    return Fail(error, std::strerror(written ? errno : writeErrno));
  }
  Reached(AtomicWriteStep::kTemporaryWritten);
  if (::rename(temp.data(), target.c_str()) != 0) {
    const int renameErrno = errno;
    ::unlink(temp.data());
    return Fail(error, std::strerror(renameErrno));
  }
  Reached(AtomicWriteStep::kReplaced);
  // The rename itself reaches the disk with the folder.
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace dazi
