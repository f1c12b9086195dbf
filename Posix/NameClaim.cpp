#include "platform/NameClaim.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

// Linux and macOS alike: open with O_CREAT | O_EXCL, which fails with EEXIST for anything at the name, links included.
ClaimResult ClaimNewFile(const char* utf8Path) {
  if (utf8Path == nullptr || utf8Path[0] == 0) return ClaimResult::kFailed;
  int fd = open(utf8Path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? ClaimResult::kTaken : ClaimResult::kFailed;
  close(fd);
  return ClaimResult::kClaimed;
}

bool ReleaseClaim(const char* utf8Path) {
  if (utf8Path == nullptr || utf8Path[0] == 0) return false;
  struct stat info;
  if (lstat(utf8Path, &info) != 0) return errno == ENOENT;
  if (!S_ISREG(info.st_mode) || info.st_size != 0) return false;
  return unlink(utf8Path) == 0;
}

}  // namespace platform
