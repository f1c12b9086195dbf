#include "suites/FilePaths.h"

#include <filesystem>

#include "AIFilePath.h"
#include "core/Host.h"
#include "os/Files.h"
#include "suites/Strings.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

int gLiveFilePaths = 0;

AIErr Set(ai::FilePath& path, const ai::UnicodeString& string, AIBoolean) {
  if (AIErr err = Fault("AIFilePathSuite.Set")) return err;
  AssignPath(path, Utf8Of(string));
  return kNoErr;
}

AIErr Copy(ai::FilePath& dst, const ai::FilePath& src) {
  if (AIErr err = Fault("AIFilePathSuite.Copy")) return err;
  AssignPath(dst, PathOf(src));
  return kNoErr;
}

AIErr Destroy(ai::FilePath& path) {
  Held("AIFilePathSuite.Destroy");
  if (path.GetImpl() != nullptr) --gLiveFilePaths;
  delete path.GetImpl();
  path.SetImpl(nullptr);
  return kNoErr;
}

AIErr Exists(const ai::FilePath& path, AIBoolean resolveLinks, ai::UnicodeString* longPath, AIBoolean* isFile,
             AIBoolean* exists) {
  if (AIErr err = Fault("AIFilePathSuite.Exists")) return err;
  if (exists == nullptr) return kBadParameterErr;
  std::string p = PathOf(path);
  os::PathKind kind = os::KindOfPath(p, resolveLinks);
  bool found = kind != os::PathKind::kMissing;
  *exists = found;
  if (found && isFile != nullptr) *isFile = kind != os::PathKind::kFolder;
  if (found && longPath != nullptr) AssignUtf8(*longPath, FullPathOf(p));
  return kNoErr;
}

AIErr IsEmpty(const ai::FilePath& path, AIBoolean* empty) {
  Held("AIFilePathSuite.IsEmpty");
  if (empty == nullptr) return kBadParameterErr;
  *empty = PathOf(path).empty();
  return kNoErr;
}

AIErr GetFileExtension(const ai::FilePath& path, ai::UnicodeString& out) {
  if (AIErr err = Fault("AIFilePathSuite.GetFileExtension")) return err;
  AssignUtf8(out, ExtensionOf(PathOf(path)));
  return kNoErr;
}

AIErr GetFileName(const ai::FilePath& path, AIBoolean, ai::UnicodeString& out) {
  if (AIErr err = Fault("AIFilePathSuite.GetFileName")) return err;
  AssignUtf8(out, FileNameOf(PathOf(path)));
  return kNoErr;
}

AIErr GetFullPath(const ai::FilePath& path, AIBoolean, ai::UnicodeString& out) {
  if (AIErr err = Fault("AIFilePathSuite.GetFullPath")) return err;
  AssignUtf8(out, FullPathOf(PathOf(path)));
  return kNoErr;
}

AIErr GetDirectory(const ai::FilePath& path, AIBoolean, ai::UnicodeString& out) {
  if (AIErr err = Fault("AIFilePathSuite.GetDirectory")) return err;
  AssignUtf8(out, DirectoryOf(PathOf(path)));
  return kNoErr;
}

const AIFilePathSuite kFilePathSuite = {Set,         Copy,     Destroy,     Exists,      IsEmpty, GetFileExtension,
                                        GetFileName, GetFullPath, GetDirectory};

}  // namespace

int LiveFilePaths() { return gLiveFilePaths; }

std::string PathOf(const ai::FilePath& path) { return path.GetImpl() == nullptr ? std::string() : path.GetImpl()->path; }

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
  registry.Publish(kAIFilePathSuite, kAIFilePathSuiteVersion, &kFilePathSuite);
}

}  // namespace simhost
