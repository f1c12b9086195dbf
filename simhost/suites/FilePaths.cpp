#include "suites/FilePaths.h"

#include <filesystem>

#include "AIFilePath.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "os/Files.h"
#include "suites/Strings.h"

namespace simhost {
namespace {

int gLiveFilePaths = 0;

AIErr DeleteFilePath(ai::FilePath& path) {
  if (path.GetImpl() != nullptr) --gLiveFilePaths;
  delete path.GetImpl();
  path.SetImpl(nullptr);
  return kNoErr;
}

AIErr Copy(const ai::FilePath& src, ai::FilePath& dst) {
  if (&src != &dst) AssignPath(dst, PathOf(src));
  return kNoErr;
}

AIBool8 IsEmpty(const ai::FilePath& path) { return PathOf(path).empty() ? 1 : 0; }

// longPath and isFile are filled only when something is there.
AIBool8 Exists(const ai::FilePath& path, const AIBool8 resolveLinks, ai::UnicodeString* longPath, AIBool8* isFile) {
  const std::string p = PathOf(path);
  const os::PathKind kind = os::KindOfPath(p, resolveLinks != 0);
  if (kind == os::PathKind::kMissing) return 0;
  if (isFile != nullptr) *isFile = kind != os::PathKind::kFolder ? 1 : 0;
  if (longPath != nullptr) AssignUtf8(*longPath, FullPathOf(p));
  return 1;
}

// Trailing spaces go unless the caller keeps them; expanding a name changes nothing here.
AIErr Set(const ai::UnicodeString& string, AIBool8, AIBool8 dontStripTrailingSpace, ai::FilePath& path) {
  std::string text = Utf8Of(string);
  if (dontStripTrailingSpace == 0)
    while (!text.empty() && text.back() == ' ') text.pop_back();
  AssignPath(path, text);
  return kNoErr;
}

AIErr GetFileName(const ai::FilePath& path, const AIBool8, ai::UnicodeString& out) {
  AssignUtf8(out, FileNameOf(PathOf(path)));
  return kNoErr;
}

AIErr GetFileExtension(const ai::FilePath& path, ai::UnicodeString& out) {
  AssignUtf8(out, ExtensionOf(PathOf(path)));
  return kNoErr;
}

AIErr GetFullPath(const ai::FilePath& path, const AIBool8, ai::UnicodeString& out) {
  AssignUtf8(out, FullPathOf(PathOf(path)));
  return kNoErr;
}

AIErr GetDirectory(const ai::FilePath& path, const AIBool8, ai::UnicodeString& out) {
  AssignUtf8(out, DirectoryOf(PathOf(path)));
  return kNoErr;
}

}  // namespace

int LiveFilePaths() { return gLiveFilePaths; }

std::string PathOf(const ai::FilePath& path) {
  return path.GetImpl() == nullptr ? std::string() : path.GetImpl()->path;
}

void AssignPath(ai::FilePath& path, const std::string& utf8) {
  if (path.GetImpl() != nullptr) {
    path.GetImpl()->path = utf8;
  } else {
    path.SetImpl(new ai::FilePathImpl{utf8});
    ++gLiveFilePaths;
  }
}

namespace {
size_t LastSeparator(const std::string& path) {
  for (size_t i = path.size(); i > 0; --i)
    if (os::IsPathSeparator(path[i - 1])) return i - 1;
  return std::string::npos;
}
}  // namespace

std::string FileNameOf(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && os::IsPathSeparator(trimmed.back())) trimmed.pop_back();
  size_t slash = LastSeparator(trimmed);
  return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string ExtensionOf(const std::string& path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return std::string();
  return name.substr(dot + 1);
}

std::string DirectoryOf(const std::string& path) {
  std::string full = FullPathOf(path);
  size_t slash = LastSeparator(full);
  if (slash == std::string::npos) return std::string();
  // The root keeps its separator: "/" or "C:\\".
  if (slash == 0 || (slash == 2 && full[1] == ':')) return full.substr(0, slash + 1);
  return full.substr(0, slash);
}

std::string FullPathOf(const std::string& path) {
  if (path.empty() || os::IsAbsolutePath(path)) return path;
  std::string base = os::WorkingFolder();
  if (base.empty()) return path;
  return os::IsPathSeparator(base.back()) ? base + path : base + os::PathSeparator() + path;
}

std::string NormalPathOf(const std::string& path) {
  std::string normal = os::Utf8Path(os::NativePath(FullPathOf(path)).lexically_normal());
  while (normal.size() > 1 && os::IsPathSeparator(normal.back())) normal.pop_back();
  return normal;
}

void PublishFilePathSuites(SuiteRegistry& registry) {
  using S = AIFilePathSuite;
  registry.Publish(Lend<S>(kAIFilePathSuite, kAIFilePathSuiteVersion, Fails<&S::DeleteFilePath, DeleteFilePath>(),
                           Fails<&S::Copy, Copy>(), Answers<&S::IsEmpty, IsEmpty>(), Answers<&S::Exists, Exists>(),
                           Fails<&S::Set, Set>(), Fails<&S::GetFileName, GetFileName>(),
                           Fails<&S::GetFileExtension, GetFileExtension>(), Fails<&S::GetFullPath, GetFullPath>(),
                           Fails<&S::GetDirectory, GetDirectory>()));
}

}  // namespace simhost
