#include "platform/FileReader.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
FILE* Stream(std::intptr_t handle) { return reinterpret_cast<FILE*>(handle); }
}  // namespace

// A standard stream in mode "rb"; the handle is the FILE pointer, 0 when closed. The
// descriptor is opened without blocking, so a FIFO cannot hold the host's thread, and
// only a regular file becomes a stream.
FileReader::FileReader(const PlatformPathChar* path) : handle_(0) {
  if (path == nullptr || path[0] == 0) return;
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    close(fd);
    return;
  }
  FILE* file = fdopen(fd, "rb");
  if (file == nullptr) {
    close(fd);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  left_ = static_cast<std::uint64_t>(info.st_size);
}

FileReader::~FileReader() {
  if (handle_ != 0) fclose(Stream(handle_));
}

bool FileReader::IsOpen() const { return handle_ != 0; }

// Stops at the size the file had when it was opened: a file that grows while it is
// read cannot keep the inspection going.
size_t FileReader::Read(char* buffer, size_t size) {
  if (handle_ == 0 || buffer == nullptr || size == 0 || left_ == 0) return 0;
  if (size > left_) size = static_cast<size_t>(left_);
  size_t got = fread(buffer, 1, size, Stream(handle_));
  left_ -= got;
  return got;
}

}  // namespace platform
