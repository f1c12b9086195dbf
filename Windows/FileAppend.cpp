#include "platform/FileAppend.h"

#include <windows.h>

#include "platform/PathRules.h"

namespace platform {

// Open the existing log without sharing, or create it; write at its end; close.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  wchar_t path[512];
  if (!PathTextFromUTF8(utf8Path, path, sizeof(path) / sizeof(path[0]))) return false;
  // A reparse point is opened as itself, not followed: a link planted in a shared
  // folder must not carry the lines elsewhere; it, a folder or a device is refused.
  const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &info) == 0 ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    CloseHandle(file);
    return false;
  }

  bool complete = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
  size_t done = 0;
  while (complete && done < length) {
    const size_t rest = length - done;
    const DWORD chunk = rest > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rest);
    DWORD written = 0;
    if (WriteFile(file, bytes + done, chunk, &written, nullptr) == 0 || written == 0) complete = false;
    done += written;
  }
  if (CloseHandle(file) == 0) complete = false;
  return complete;
}

}  // namespace platform
