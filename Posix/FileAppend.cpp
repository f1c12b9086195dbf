#include "platform/FileAppend.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  // A link would carry the lines, file names included, wherever it points (anyone can
  // plant one in a shared folder): O_NOFOLLOW refuses it, a dangling one too. A FIFO
  // must not hold the thread: O_NONBLOCK, then only a regular file is written.
  int fd = open(utf8Path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return false;
  }
  bool complete = true;
  size_t done = 0;
  while (done < length) {
    ssize_t written = write(fd, bytes + done, length - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      complete = false;
      break;
    }
    done += static_cast<size_t>(written);
  }
  if (close(fd) != 0) complete = false;
  return complete;
}

}  // namespace platform
