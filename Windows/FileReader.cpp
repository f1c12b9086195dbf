#include "platform/FileReader.h"

#include <windows.h>

namespace platform {
namespace {
HANDLE HandleOf(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }
const std::intptr_t kClosed = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}  // namespace

// Read access and no sharing: a file another program is writing is left alone.
FileReader::FileReader(const PlatformPathChar* path) : handle_(kClosed) {
  if (path == nullptr || path[0] == 0) return;
  HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  // Only a file on disk counts (not a device, pipe or console), read up to the size it
  // had when it was opened.
  LARGE_INTEGER size;
  if (GetFileType(file) != FILE_TYPE_DISK || GetFileSizeEx(file, &size) == 0 || size.QuadPart < 0) {
    CloseHandle(file);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  left_ = static_cast<std::uint64_t>(size.QuadPart);
}

FileReader::~FileReader() {
  if (handle_ != kClosed) CloseHandle(HandleOf(handle_));
}

bool FileReader::IsOpen() const { return handle_ != kClosed; }

size_t FileReader::Read(char* buffer, size_t size) {
  if (handle_ == kClosed || buffer == nullptr || size == 0 || left_ == 0) return 0;
  if (size > left_) size = static_cast<size_t>(left_);
  // ReadFile counts in 32 bits.
  const DWORD want = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
  DWORD got = 0;
  if (ReadFile(HandleOf(handle_), buffer, want, &got, nullptr) == 0) return 0;
  left_ -= got;
  return got;
}

}  // namespace platform
