// The file list of a bulk update: every .ai file of a folder (and of its subfolders,
// for the recursive command) that is neither hidden nor an updated copy already.
#ifndef KESTRUNE_FOLDERSCAN_H
#define KESTRUNE_FOLDERSCAN_H

#include <cstddef>
#include <memory>

#include "AITypes.h"
#include "platform/Directory.h"
#include "platform/PathRules.h"

constexpr size_t kSpoolPathUnits = 512;  // an entry's path, terminator included
constexpr size_t kScanPathUnits = 1024;  // a folder's path while it is scanned

// One file of the list: its full path in the platform's path form.
struct CP_SPOOL {
  PlatformPathChar path[kSpoolPathUnits];
};

// Appends the accepted files of folder (no trailing separator needed) to the caller's
// heap array *list of *count entries, growing it by one entry per file, in the order
// the file system lists them; with recursive not 0 a subfolder's files go where the
// subfolder is met. Names beginning with "." and names carrying an updated-copy marker
// are left out; a folder reached twice (links, junctions) is scanned once. A folder
// that cannot be opened adds nothing.
//
// skipped, when given, is raised by one for each file or folder left out because its
// path does not fit (kSpoolPathUnits, kScanPathUnits), and by one when the list could
// not grow, which ends the scan with the entries gathered so far.
void GetDirectoryFileListProcess(const PlatformPathChar* folder, CP_SPOOL** list, ai::int32* count, ai::int16 recursive,
                                 ai::int32* skipped = nullptr);

// What the scan asks of the system, so that unusual file systems can be stood in for.
struct FolderScanServices {
  std::unique_ptr<platform::DirectoryListing> (*openDirectory)(const PlatformPathChar* folder);
  void* (*resize)(void* block, size_t bytes);  // the general-purpose heap's realloc
};
FolderScanServices DefaultFolderScanServices();

void GetDirectoryFileListProcess(const FolderScanServices& services, const PlatformPathChar* folder, CP_SPOOL** list,
                                 ai::int32* count, ai::int16 recursive, ai::int32* skipped);

#endif
