#include "platform/Directory.h"

#include <windows.h>

#include <string>

namespace platform {
namespace {

// A folder whose identity cannot be read gets one of its own, so that it is never
// taken for a folder already scanned; the scan's path limit still ends any cycle.
FolderIdentity UniqueIdentity() {
  static unsigned long long next = 0;
  return FolderIdentity{~0ull, ++next};
}

// The folder itself, links and junctions followed: where a cycle would lead back to.
FolderIdentity IdentityOf(const wchar_t* folder) {
  HANDLE handle = CreateFileW(folder, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return UniqueIdentity();
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  if (!known) return UniqueIdentity();
  return FolderIdentity{info.dwVolumeSerialNumber,
                        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

class WindowsDirectoryListing : public DirectoryListing {
 public:
  WindowsDirectoryListing(HANDLE search, const WIN32_FIND_DATAW& first, FolderIdentity identity, std::wstring prefix)
      : search_(search), data_(first), identity_(identity), prefix_(std::move(prefix)) {}
  ~WindowsDirectoryListing() override { FindClose(search_); }

  bool Next(DirectoryEntry* entry) override {
    if (!pending_ && FindNextFileW(search_, &data_) == 0) return false;
    pending_ = false;
    entry->name = data_.cFileName;
    entry->length = wcslen(data_.cFileName);
    // Every entry with the directory attribute is a folder: junctions and directory
    // links too; the scan's identity check keeps them from looping.
    entry->isFolder = (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry->isRegularFile = !entry->isFolder && IsRegularFile();
    return true;
  }

  FolderIdentity Identity() const override { return identity_; }

 private:
  // A link counts by what it leads to; a dangling one, or one to a device, does not.
  bool IsRegularFile() const {
    if ((data_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
    const std::wstring path = prefix_ + data_.cFileName;
    HANDLE target =
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (target == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool file = GetFileType(target) == FILE_TYPE_DISK && GetFileInformationByHandle(target, &info) != 0 &&
                      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    CloseHandle(target);
    return file;
  }

  HANDLE search_;
  WIN32_FIND_DATAW data_;
  bool pending_ = true;  // FindFirstFileW has delivered the first entry already
  FolderIdentity identity_;
  std::wstring prefix_;  // the folder and a separator
};

}  // namespace

std::unique_ptr<DirectoryListing> OpenDirectory(const PlatformPathChar* folder) {
  if (folder == nullptr || folder[0] == 0) return nullptr;
  std::wstring prefix(folder);
  if (prefix.back() != L'\\' && prefix.back() != L'/') prefix += L'\\';
  const std::wstring pattern = prefix + L'*';
  WIN32_FIND_DATAW first;
  HANDLE search = FindFirstFileW(pattern.c_str(), &first);
  if (search == INVALID_HANDLE_VALUE) return nullptr;
  return std::unique_ptr<DirectoryListing>(new WindowsDirectoryListing(search, first, IdentityOf(folder), prefix));
}

}  // namespace platform
