// Two programs may work in one data folder (two windows, or a window and the console). Every
// read-modify-write of srf_pub.dat and srf_pub.usr holds an exclusive flock on the lock file
// srf_pub.lock, so one program's change is read by the other before it writes.
#pragma once

#include <string>

namespace dazi {

inline constexpr const char* kUserFilesLockFile = "srf_pub.lock";

class UserFilesLock {
 public:
  // Waits up to about two seconds for the lock of the user folder (engine/core/DataLocation.h).
  UserFilesLock();
  ~UserFilesLock();
  UserFilesLock(const UserFilesLock&) = delete;
  UserFilesLock& operator=(const UserFilesLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  // Why the lock could not be taken (empty when held).
  const std::string& Error() const { return error_; }

 private:
  int fd_ = -1;
  std::string error_;
};

}  // namespace dazi
