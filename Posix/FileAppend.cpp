#include "platform/FileAppend.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  int fd = open(utf8Path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
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
