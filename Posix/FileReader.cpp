#include "platform/FileReader.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileReader::FileReader(const PlatformPathChar* path) : handle_(-1) {
  if (path == nullptr || path[0] == 0) return;
  // Without O_NONBLOCK a FIFO would hold the host's thread in open() until a writer came.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    close(fd);
    return;
  }
  handle_ = fd;
  left_ = static_cast<std::uint64_t>(info.st_size);
#if defined(POSIX_FADV_SEQUENTIAL)
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

FileReader::~FileReader() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

bool FileReader::IsOpen() const { return handle_ >= 0; }

size_t FileReader::Read(char* buffer, size_t size) {
  if (handle_ < 0 || buffer == nullptr || size == 0 || left_ == 0) return 0;
  if (size > left_) size = static_cast<size_t>(left_);
  for (;;) {
    ssize_t got = read(static_cast<int>(handle_), buffer, size);
    if (got >= 0) {
      left_ -= static_cast<std::uint64_t>(got);
      return static_cast<size_t>(got);
    }
    if (errno != EINTR) return 0;
  }
}

}  // namespace platform
