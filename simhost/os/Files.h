// Paths and files of the file system. Every path given or returned is UTF-8; the
// system's own form of a path comes only from NativePath, so that no narrow string
// reaches the file system in a local code page.
#ifndef KESTRUNE_SIMHOST_OS_FILES_H
#define KESTRUNE_SIMHOST_OS_FILES_H

#include <filesystem>
#include <string>

namespace simhost {
namespace os {

enum class PathKind { kMissing, kFolder, kRegularFile, kOther };

// The file system's form of a UTF-8 path, for std::filesystem and file streams.
std::filesystem::path NativePath(const std::string& utf8Path);
// A path from the file system (or std::filesystem) as UTF-8.
std::string Utf8Path(const std::filesystem::path& path);
// True for a path that does not depend on the working folder.
bool IsAbsolutePath(const std::string& utf8Path);
// What the path names; with followLinks false a link is kOther whatever it points to.
PathKind KindOfPath(const std::string& utf8Path, bool followLinks);
// The working folder, absolute; empty when it cannot be told.
std::string WorkingFolder();
// The system's folder for temporary files.
std::string TemporaryFolder();
// Makes a new, empty folder named prefix plus a unique ending inside parent, readable
// by this user only; false when none could be made.
bool MakeUniqueFolder(const std::string& parent, const std::string& prefix, std::string* made);
// Replaces the file's content with bytes as one step: they go to a new file beside it,
// which then takes its name. On failure the file is untouched and nothing is left over.
bool WriteFileReplacing(const std::string& utf8Path, const std::string& bytes);

}  // namespace os
}  // namespace simhost

#endif
