#include "folderScan.h"

#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <string_view>

#include "actionManagerHandler/updatedFileName.h"
#include "shellMain/PluginGlobals.h"

namespace {

typedef std::char_traits<PlatformPathChar> PathTraits;
typedef std::basic_string<PlatformPathChar> PathString;
typedef std::basic_string_view<PlatformPathChar> PathView;

void* ResizeOnHeap(void* block, size_t bytes) { return std::realloc(block, bytes); }

// A marker in the form names are compared in on this platform.
PathString MarkerInPathForm(ai::int32 language) {
  char utf8[kMarkerFieldBytes];
  MakeUpdatedNameMarker(language, utf8);
  PlatformPathChar converted[kMarkerFieldBytes];
  if (utf8[0] == 0 || !platform::PathTextFromUTF8(utf8, converted, kMarkerFieldBytes)) return PathString();
  return PathString(converted);
}

bool HasAIExtension(const PlatformPathChar* name, size_t length, platform::AIExtensionRule rule) {
  if (length < 4) return false;
  const PlatformPathChar* tail = name + length - 3;
  if (tail[0] != '.') return false;
  if (rule == platform::AIExtensionRule::kAnyCase)
    return (tail[1] == 'a' || tail[1] == 'A') && (tail[2] == 'i' || tail[2] == 'I');
  return (tail[1] == 'a' && tail[2] == 'i') || (tail[1] == 'A' && tail[2] == 'I');
}

class FolderScan {
 public:
  FolderScan(const FolderScanServices& services, CP_SPOOL** list, ai::int32* count, bool recursive, ai::int32* skipped)
      : services_(services),
        list_(list),
        count_(count),
        recursive_(recursive),
        skipped_(skipped),
        separator_(static_cast<PlatformPathChar>(platform::PathSeparator())),
        extensionRule_(platform::AIFileExtensionRule()),
        japaneseMarker_(MarkerInPathForm(kJapaneseLanguage)),
        englishMarker_(MarkerInPathForm(0)) {}

  void Run(const PlatformPathChar* folder) {
    size_t length = PathTraits::length(folder);
    if (length == 0) return;
    // One trailing separator less keeps "folder/name" whole; the root keeps its own.
    while (length > 0 && folder[length - 1] == separator_) --length;
    if (length >= kScanPathUnits) {
      NoteSkipped();
      return;
    }
    PathTraits::copy(path_, folder, length);
    Scan(length);
  }

 private:
  void NoteSkipped() {
    if (skipped_ != nullptr && *skipped_ < std::numeric_limits<ai::int32>::max()) ++*skipped_;
  }

  bool Carries(const platform::DirectoryEntry& entry, const PathString& marker) const {
    if (marker.empty() || marker.size() > entry.length) return false;
    PathView name(entry.name, entry.length);
    return name.find(marker) != PathView::npos;
  }

  // Only regular files: a FIFO or device named like a document would block or never
  // end when it is inspected.
  bool Accepts(const platform::DirectoryEntry& entry) const {
    return entry.isRegularFile && HasAIExtension(entry.name, entry.length, extensionRule_) &&
           !Carries(entry, japaneseMarker_) && !Carries(entry, englishMarker_);
  }

  // Scans the folder whose path fills path_[0, length).
  void Scan(size_t length) {
    path_[length] = 0;
    const PlatformPathChar root[2] = {separator_, 0};
    std::unique_ptr<platform::DirectoryListing> listing = services_.openDirectory(length == 0 ? root : path_);
    if (!listing) return;
    // A link back to a folder on the way down would otherwise never end.
    if (!visited_.insert(listing->Identity()).second) return;

    platform::DirectoryEntry entry;
    while (!stopped_ && listing->Next(&entry)) {
      if (entry.length == 0 || entry.name[0] == '.') continue;
      if (entry.isFolder) {
        if (recursive_) ScanSubfolder(length, entry);
        continue;
      }
      if (Accepts(entry)) Add(length, entry);
    }
  }

  void ScanSubfolder(size_t length, const platform::DirectoryEntry& entry) {
    size_t childLength = length + 1 + entry.length;
    if (childLength >= kScanPathUnits) {
      NoteSkipped();
      return;
    }
    path_[length] = separator_;
    PathTraits::copy(path_ + length + 1, entry.name, entry.length);
    Scan(childLength);
    path_[length] = 0;
  }

  void Add(size_t length, const platform::DirectoryEntry& entry) {
    size_t total = length + 1 + entry.length;
    if (total >= kSpoolPathUnits) {
      NoteSkipped();
      return;
    }
    if (*count_ < 0 || *count_ == std::numeric_limits<ai::int32>::max()) {
      Stop();
      return;
    }
    size_t grownCount = static_cast<size_t>(*count_) + 1;
    void* grown = services_.resize(*list_, grownCount * sizeof(CP_SPOOL));
    if (grown == nullptr) {
      Stop();
      return;
    }
    *list_ = static_cast<CP_SPOOL*>(grown);
    *count_ = static_cast<ai::int32>(grownCount);
    PlatformPathChar* out = (*list_)[grownCount - 1].path;
    PathTraits::copy(out, path_, length);
    out[length] = separator_;
    PathTraits::copy(out + length + 1, entry.name, entry.length);
    out[total] = 0;
  }

  void Stop() {
    NoteSkipped();
    stopped_ = true;
  }

  const FolderScanServices& services_;
  CP_SPOOL** list_;
  ai::int32* count_;
  bool recursive_;
  ai::int32* skipped_;
  PlatformPathChar separator_;
  platform::AIExtensionRule extensionRule_;
  PathString japaneseMarker_;
  PathString englishMarker_;
  PlatformPathChar path_[kScanPathUnits] = {};
  std::set<platform::FolderIdentity> visited_;
  bool stopped_ = false;
};

}  // namespace

FolderScanServices DefaultFolderScanServices() { return FolderScanServices{platform::OpenDirectory, ResizeOnHeap}; }

void GetDirectoryFileListProcess(const FolderScanServices& services, const PlatformPathChar* folder, CP_SPOOL** list,
                                 ai::int32* count, ai::int16 recursive, ai::int32* skipped) {
  if (folder == nullptr || list == nullptr || count == nullptr || services.openDirectory == nullptr ||
      services.resize == nullptr)
    return;
  try {
    FolderScan scan(services, list, count, recursive != 0, skipped);
    scan.Run(folder);
  } catch (const std::bad_alloc&) {
    // Out of memory for the scan's own bookkeeping: the list keeps what it holds.
    if (skipped != nullptr && *skipped < std::numeric_limits<ai::int32>::max()) ++*skipped;
  }
}

void GetDirectoryFileListProcess(const PlatformPathChar* folder, CP_SPOOL** list, ai::int32* count, ai::int16 recursive,
                                 ai::int32* skipped) {
  GetDirectoryFileListProcess(DefaultFolderScanServices(), folder, list, count, recursive, skipped);
}
