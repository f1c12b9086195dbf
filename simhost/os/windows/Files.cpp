// Paths and files through the wide-character functions: every UTF-8 path becomes
// UTF-16 before it reaches the file system.
#include <windows.h>

#include <vector>

#include "os/Files.h"
#include "os/windows/WideStrings.h"

namespace simhost {
namespace os {

std::filesystem::path NativePath(const std::string& utf8Path) { return std::filesystem::path(Wide(utf8Path)); }

std::string Utf8Path(const std::filesystem::path& path) { return Utf8(path.wstring()); }

char PathSeparator() { return '\\'; }
bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// "C:\...", "\\server\share\..." and, on the working drive, "\...".
bool IsAbsolutePath(const std::string& utf8Path) {
  if (utf8Path.empty()) return false;
  if (IsPathSeparator(utf8Path[0])) return true;
  return utf8Path.size() >= 3 && utf8Path[1] == ':' && IsPathSeparator(utf8Path[2]);
}

PathKind KindOfPath(const std::string& utf8Path, bool followLinks) {
  if (utf8Path.empty()) return PathKind::kMissing;
  const std::wstring wide = Wide(utf8Path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kRegularFile;
  if (!followLinks) return PathKind::kOther;
  HANDLE target =
      CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (target == INVALID_HANDLE_VALUE) return PathKind::kMissing;
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(target, &info) != 0;
  const bool disk = GetFileType(target) == FILE_TYPE_DISK;
  CloseHandle(target);
  if (!known) return PathKind::kMissing;
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::kFolder;
  return disk ? PathKind::kRegularFile : PathKind::kOther;
}

std::string WorkingFolder() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return std::string();
  std::vector<wchar_t> folder(needed + 1);
  const DWORD got = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  if (got == 0 || got >= folder.size()) return std::string();
  return Utf8(std::wstring(folder.data(), got));
}

std::string TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return ".";
  std::string utf8 = Utf8(std::wstring(folder, length));
  while (utf8.size() > 3 && IsPathSeparator(utf8.back())) utf8.pop_back();
  return utf8;
}

bool MakeUniqueFolder(const std::string& parent, const std::string& prefix, std::string* made) {
  const std::string base = parent + (parent.empty() || IsPathSeparator(parent.back()) ? "" : "\\") + prefix;
  unsigned seed =
      GetTickCount() ^ (GetCurrentProcessId() << 16) ^ static_cast<unsigned>(reinterpret_cast<uintptr_t>(made));
  const char* digits = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 1000; ++attempt) {
    seed = seed * 1103515245u + 12345u;
    std::string suffix;
    for (unsigned value = seed, i = 0; i < 6; ++i, value /= 36) suffix.push_back(digits[value % 36]);
    const std::string folder = base + suffix;
    if (CreateDirectoryW(Wide(folder).c_str(), nullptr)) {
      *made = folder;
      return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return false;
}

bool WriteFileReplacing(const std::string& utf8Path, const std::string& bytes) {
  const std::wstring target = Wide(utf8Path);
  const size_t cut = utf8Path.find_last_of("\\/");
  const std::wstring folder =
      Wide(cut == std::string::npos ? std::string(".") : utf8Path.substr(0, cut == 0 ? 1 : cut));
  static unsigned counter = 0;
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = folder + L"\\.kestrune-save-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter) + L".tmp";
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const size_t rest = bytes.size() - done;
    DWORD wrote = 0;
    ok = WriteFile(file, bytes.data() + done, rest > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rest), &wrote,
                   nullptr) != 0 &&
         wrote > 0;
    done += wrote;
  }
  ok = CloseHandle(file) != 0 && ok;
  if (ok) ok = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

}  // namespace os
}  // namespace simhost
