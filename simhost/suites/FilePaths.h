// The host's file paths: what ai::FilePath handles point to. Paths are UTF-8 on the
// real file system, in the platform's form ("/" or "\\" separated).
#ifndef KESTRUNE_SIMHOST_FILEPATHS_H
#define KESTRUNE_SIMHOST_FILEPATHS_H

#include <string>

#include "IAIFilePath.hpp"

namespace ai {
struct FilePathImpl {
  std::string path;
};
}  // namespace ai

namespace simhost {

class SuiteRegistry;

std::string PathOf(const ai::FilePath& path);
// File paths the host has made and not yet been given back (for leak tests).
int LiveFilePaths();
void AssignPath(ai::FilePath& path, const std::string& utf8);
// The rules of the File Path suite, usable without a handle.
std::string FileNameOf(const std::string& path);
std::string ExtensionOf(const std::string& path);  // without the dot; empty when none
std::string DirectoryOf(const std::string& path);
std::string FullPathOf(const std::string& path);  // absolute, against the working folder, platform form
// Absolute, without "." or ".." steps, doubled or trailing separators: the one
// spelling the host gives a document's file or a chosen folder.
std::string NormalPathOf(const std::string& path);

void PublishFilePathSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
