#include "platform/FileReader.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

FileReader::FileReader(const PlatformPathChar* path) : handle_(-1) {
  if (path == nullptr || path[0] == 0) return;
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  handle_ = fd;
#if defined(POSIX_FADV_SEQUENTIAL)
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

FileReader::~FileReader() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

bool FileReader::IsOpen() const { return handle_ >= 0; }

size_t FileReader::Read(char* buffer, size_t size) {
  if (handle_ < 0 || buffer == nullptr || size == 0) return 0;
  for (;;) {
    ssize_t got = read(static_cast<int>(handle_), buffer, size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) return 0;
  }
}

}  // namespace platform
