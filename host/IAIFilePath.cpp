#include "IAIFilePath.hpp"

#include <utility>

#include "AIFilePath.h"

// The suites the wrappers call through: the plug-in defines these and holds them
// while it runs; null while a suite is not held.
extern const AIFilePathSuite* sAIFilePath;

namespace ai {
namespace {

const AIFilePathSuite& Suite() {
  if (sAIFilePath == nullptr) throw ai::Error(kSPSuiteNotFoundError);
  return *sAIFilePath;
}

void Check(AIErr err) {
  if (err != kNoErr) throw ai::Error(err);
}

}  // namespace

FilePath::FilePath() = default;

FilePath::FilePath(const ai::UnicodeString& path, bool expandName) { Set(path, expandName); }

FilePath::FilePath(const FilePath& other) {
  if (other.impl != nullptr) Check(Suite().Copy(*this, other));
}

FilePath::FilePath(FilePath&& other) noexcept : impl(other.impl) { other.impl = nullptr; }

FilePath& FilePath::operator=(const FilePath& other) {
  if (this != &other) {
    FilePath copy(other);
    std::swap(impl, copy.impl);
  }
  return *this;
}

FilePath& FilePath::operator=(FilePath&& other) noexcept {
  std::swap(impl, other.impl);
  return *this;
}

FilePath::~FilePath() {
  if (impl != nullptr && sAIFilePath != nullptr) sAIFilePath->Destroy(*this);
}

void FilePath::Set(const ai::UnicodeString& path, bool expandName) { Check(Suite().Set(*this, path, expandName)); }

bool FilePath::Exists(const bool resolveLinks, ai::UnicodeString* longPath, bool* isFile) const {
  AIBoolean exists = false;
  AIBoolean file = false;
  Check(Suite().Exists(*this, resolveLinks, longPath, isFile != nullptr ? &file : nullptr, &exists));
  if (isFile != nullptr) *isFile = file != 0;
  return exists != 0;
}

bool FilePath::IsEmpty() const {
  AIBoolean empty = true;
  Check(Suite().IsEmpty(*this, &empty));
  return empty != 0;
}

ai::UnicodeString FilePath::GetFileExtension() const {
  ai::UnicodeString out;
  Check(Suite().GetFileExtension(*this, out));
  return out;
}

ai::UnicodeString FilePath::GetFileName(const bool displayName) const {
  ai::UnicodeString out;
  Check(Suite().GetFileName(*this, displayName, out));
  return out;
}

ai::UnicodeString FilePath::GetFullPath(const bool displayName) const {
  ai::UnicodeString out;
  Check(Suite().GetFullPath(*this, displayName, out));
  return out;
}

ai::UnicodeString FilePath::GetDirectory(const bool displayName) const {
  ai::UnicodeString out;
  Check(Suite().GetDirectory(*this, displayName, out));
  return out;
}

}  // namespace ai
