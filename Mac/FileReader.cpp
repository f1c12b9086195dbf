#include "platform/FileReader.h"

#include <stdio.h>

namespace platform {

namespace {
FILE* Stream(std::intptr_t handle) { return reinterpret_cast<FILE*>(handle); }
}  // namespace

// A standard stream in mode "rb"; the handle is the FILE pointer, 0 when closed.
FileReader::FileReader(const PlatformPathChar* path) : handle_(0) {
  if (path == nullptr || path[0] == 0) return;
  handle_ = reinterpret_cast<std::intptr_t>(fopen(path, "rb"));
}

FileReader::~FileReader() {
  if (handle_ != 0) fclose(Stream(handle_));
}

bool FileReader::IsOpen() const { return handle_ != 0; }

size_t FileReader::Read(char* buffer, size_t size) {
  if (handle_ == 0 || buffer == nullptr || size == 0) return 0;
  return fread(buffer, 1, size, Stream(handle_));
}

}  // namespace platform
