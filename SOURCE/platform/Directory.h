// Listing the entries of a folder.
#ifndef KESTRUNE_PLATFORM_DIRECTORY_H
#define KESTRUNE_PLATFORM_DIRECTORY_H

#include <cstddef>
#include <memory>

#include "platform/PathRules.h"

namespace platform {

// Tells one folder from another however it was reached (links, junctions).
struct FolderIdentity {
  unsigned long long volume = 0;
  unsigned long long index = 0;
  bool operator<(const FolderIdentity& other) const {
    return volume != other.volume ? volume < other.volume : index < other.index;
  }
  bool operator==(const FolderIdentity& other) const { return volume == other.volume && index == other.index; }
};

struct DirectoryEntry {
  const PlatformPathChar* name;  // valid until the next call of Next
  size_t length;                 // in path characters
  bool isFolder;                 // as the platform reports the entry itself; links are not followed
  bool isRegularFile;            // a regular file, or a link to one; never a device, pipe or socket
};

// The entries of one open folder in the order the file system gives them, "." and
// ".." included where the platform lists them.
// Every realisation must: never follow links for isFolder; isRegularFile only for regular files (or links to one).
class DirectoryListing {
 public:
  virtual ~DirectoryListing() = default;
  virtual bool Next(DirectoryEntry* entry) = 0;  // false after the last entry
  virtual FolderIdentity Identity() const = 0;
};

// Null when the folder cannot be opened.
std::unique_ptr<DirectoryListing> OpenDirectory(const PlatformPathChar* folder);

}  // namespace platform

#endif
