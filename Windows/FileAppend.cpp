#include "platform/FileAppend.h"

#include <windows.h>

#include "platform/PathRules.h"

namespace platform {

// Open the existing log without sharing, or create it; write at its end; close.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  wchar_t path[512];
  if (!PathTextFromUTF8(utf8Path, path, sizeof(path) / sizeof(path[0]))) return false;
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;

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
