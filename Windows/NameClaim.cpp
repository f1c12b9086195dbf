#include "platform/NameClaim.h"

#include <windows.h>

#include "platform/PathRules.h"

namespace platform {

// Windows: CreateFileW with CREATE_NEW, which fails for anything at the name, a reparse point included.
ClaimResult ClaimNewFile(const char* utf8Path) {
  if (utf8Path == nullptr || utf8Path[0] == 0) return ClaimResult::kFailed;
  wchar_t path[512];
  if (!PathTextFromUTF8(utf8Path, path, sizeof(path) / sizeof(path[0]))) return ClaimResult::kFailed;
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return ClaimResult::kTaken;
    // A folder at the name answers "access denied": whatever stands there takes it.
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES ? ClaimResult::kTaken : ClaimResult::kFailed;
  }
  CloseHandle(file);
  return ClaimResult::kClaimed;
}

// The test and the removal go through one handle, so that what is removed is what was
// found empty.
bool ReleaseClaim(const char* utf8Path) {
  if (utf8Path == nullptr || utf8Path[0] == 0) return false;
  wchar_t path[512];
  if (!PathTextFromUTF8(utf8Path, path, sizeof(path) / sizeof(path[0]))) return false;
  HANDLE file = CreateFileW(path, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  BY_HANDLE_FILE_INFORMATION info;
  const bool empty = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) != 0 &&
                     (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
                     info.nFileSizeHigh == 0 && info.nFileSizeLow == 0;
  bool released = false;
  if (empty) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    released = SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition)) != 0;
  }
  CloseHandle(file);
  return released;
}

}  // namespace platform
