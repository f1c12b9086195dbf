#include "platform/FileAppend.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

// A standard stream in mode "a+": every write lands at the end, and a missing log is
// created. The descriptor is opened first so that a link (which would carry the lines
// wherever it points), a FIFO (which would hold the host's thread) or a device is
// refused before anything is written.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  int fd = open(utf8Path, O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return false;
  }
  FILE* file = fdopen(fd, "a+");
  if (file == nullptr) {
    close(fd);
    return false;
  }
  bool complete = length == 0 || fwrite(bytes, 1, length, file) == length;
  if (fclose(file) != 0) complete = false;
  return complete;
}

}  // namespace platform
