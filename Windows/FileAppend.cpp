#include "platform/FileAppend.h"

#include <windows.h>

#include "ReparseTags.h"
#include "platform/PathRules.h"

bool IsLinkReparseTag(unsigned long tag) {
  return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT || IsReparseTagNameSurrogate(tag);
}

namespace platform {
namespace {

struct FileIdentity {
  DWORD volume = 0;
  DWORD high = 0;
  DWORD low = 0;
  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && high == other.high && low == other.low;
  }
};

// A file on disk, not a folder or a device: its identity.
bool IdentityOfFile(HANDLE file, FileIdentity* identity) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &info) == 0 ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return false;
  *identity = FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  return true;
}

// Opens the log without sharing, the existing file or a new one. A link or junction is
// opened as itself and refused: one planted in a shared folder must not carry the
// lines elsewhere. Any other reparse point (a cloud placeholder, a deduplicated file)
// is the log itself, and is opened again through its file system's filter, which
// alone may write it; it must still be the same file then.
HANDLE OpenForAppending(const wchar_t* path) {
  const DWORD asItself = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, asItself, nullptr);
  if (file == INVALID_HANDLE_VALUE) file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, asItself, nullptr);
  if (file == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
  FileIdentity identity;
  FILE_ATTRIBUTE_TAG_INFO tag{};
  if (!IdentityOfFile(file, &identity) ||
      GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof(tag)) == 0) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return file;
  CloseHandle(file);
  if (IsLinkReparseTag(tag.ReparseTag)) return INVALID_HANDLE_VALUE;

  file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
  FileIdentity reopened;
  if (!IdentityOfFile(file, &reopened) || !(reopened == identity)) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  return file;
}

}  // namespace

// Open the existing log without sharing, or create it; write at its end; close.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  wchar_t path[512];
  if (!PathTextFromUTF8(utf8Path, path, sizeof(path) / sizeof(path[0]))) return false;
  HANDLE file = OpenForAppending(path);
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
