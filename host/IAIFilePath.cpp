#include "IAIFilePath.hpp"

#include <utility>

#include "AIFilePath.h"

// The plug-in defines this and holds it while it runs; null while the suite is not held.
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

// Paths handed to the host are exact: a trailing space is part of the name.
constexpr AIBool8 kKeepTrailingSpace = 1;

}  // namespace

FilePath::FilePath() = default;

FilePath::FilePath(const ai::UnicodeString& path, bool expandName) { Set(path, expandName); }

FilePath::FilePath(const FilePath& other) { Check(Suite().Copy(other, *this)); }

FilePath::FilePath(FilePath&& other) noexcept : impl(other.impl) { other.impl = nullptr; }

FilePath& FilePath::operator=(const FilePath& other) {
  if (this != &other && (impl != nullptr || other.impl != nullptr)) Check(Suite().Copy(other, *this));
  return *this;
}

FilePath& FilePath::operator=(FilePath&& other) noexcept {
  std::swap(impl, other.impl);
  return *this;
}

FilePath::~FilePath() {
  if (impl != nullptr && sAIFilePath != nullptr) sAIFilePath->DeleteFilePath(*this);
}

void FilePath::Set(const ai::UnicodeString& path, bool expandName) {
  Check(Suite().Set(path, expandName, kKeepTrailingSpace, *this));
}

bool FilePath::Exists(const bool resolveLinks, ai::UnicodeString* longPath, bool* isFile) const {
  AIBool8 file = 0;
  const bool exists = Suite().Exists(*this, resolveLinks, longPath, isFile != nullptr ? &file : nullptr) != 0;
  if (isFile != nullptr) *isFile = exists && file != 0;
  return exists;
}

bool FilePath::IsEmpty() const { return Suite().IsEmpty(*this) != 0; }

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
