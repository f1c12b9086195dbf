// Reading a file's raw bytes front to back.
#ifndef KESTRUNE_PLATFORM_FILEREADER_H
#define KESTRUNE_PLATFORM_FILEREADER_H

#include <cstddef>
#include <cstdint>

#include "platform/PathRules.h"

namespace platform {

// Every realisation must: open without blocking, accept only a regular file, read no more than its size at opening.
class FileReader {
 public:
  // Opens an existing regular file for reading; Windows opens it without sharing.
  explicit FileReader(const PlatformPathChar* path);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const;
  // Up to size bytes into buffer; 0 at the end of the file (as its size was at the
  // opening) or when reading fails.
  size_t Read(char* buffer, size_t size);

 private:
  std::intptr_t handle_;    // the platform's file handle or descriptor
  std::uint64_t left_ = 0;  // bytes still to read of the size found at the opening
};

}  // namespace platform

#endif
