#include "platform/Directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>

namespace platform {
namespace {

class PosixDirectoryListing : public DirectoryListing {
 public:
  PosixDirectoryListing(DIR* stream, const struct stat& info) : stream_(stream) {
    identity_.volume = static_cast<unsigned long long>(info.st_dev);
    identity_.index = static_cast<unsigned long long>(info.st_ino);
  }
  ~PosixDirectoryListing() override { closedir(stream_); }

  bool Next(DirectoryEntry* entry) override {
    struct dirent* found = readdir(stream_);
    if (found == nullptr) return false;
    entry->name = found->d_name;
    entry->length = strlen(found->d_name);
    entry->isFolder = IsFolder(*found);
    entry->isRegularFile = !entry->isFolder && IsRegularFile(*found);
    return true;
  }

  FolderIdentity Identity() const override { return identity_; }

 private:
  // The entry's own type; file systems that do not report it are asked without
  // following a link, so a link to a folder stays a file here as well.
  bool IsFolder(const struct dirent& found) const {
    if (found.d_type != DT_UNKNOWN) return found.d_type == DT_DIR;
    struct stat info;
    if (fstatat(dirfd(stream_), found.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
    return S_ISDIR(info.st_mode);
  }

  // A link counts by what it leads to; a FIFO, device or socket never counts.
  bool IsRegularFile(const struct dirent& found) const {
    if (found.d_type == DT_REG) return true;
    if (found.d_type != DT_LNK && found.d_type != DT_UNKNOWN) return false;
    struct stat info;
    if (fstatat(dirfd(stream_), found.d_name, &info, 0) != 0) return false;
    return S_ISREG(info.st_mode);
  }

  DIR* stream_;
  FolderIdentity identity_;
};

}  // namespace

std::unique_ptr<DirectoryListing> OpenDirectory(const PlatformPathChar* folder) {
  if (folder == nullptr || folder[0] == 0) return nullptr;
  DIR* stream = opendir(folder);
  if (stream == nullptr) return nullptr;
  struct stat info;
  if (fstat(dirfd(stream), &info) != 0) {
    closedir(stream);
    return nullptr;
  }
  return std::unique_ptr<DirectoryListing>(new PosixDirectoryListing(stream, info));
}

}  // namespace platform
