// ai::FilePath: a host-owned file path. Every method is one call of the File Path
// suite, the member the vendor's own wrapper calls, and raises ai::Error when the
// host reports a failure. The object is one pointer, the host's layout.
#ifndef KESTRUNE_HOST_IAIFILEPATH_HPP
#define KESTRUNE_HOST_IAIFILEPATH_HPP

#include "AITypes.h"
#include "IAIUnicodeString.h"

namespace ai {

struct FilePathImpl;  // opaque, owned by the host

class FilePath {
 public:
  FilePath();
  explicit FilePath(const ai::UnicodeString& path, bool expandName = true);
  FilePath(const FilePath& other);
  FilePath(FilePath&& other) noexcept;
  FilePath& operator=(const FilePath& other);
  FilePath& operator=(FilePath&& other) noexcept;
  ~FilePath();

  void Set(const ai::UnicodeString& path, bool expandName = true);
  bool Exists(const bool resolveLinks, ai::UnicodeString* longPath = 0, bool* isFile = 0) const;
  bool IsEmpty() const;
  ai::UnicodeString GetFileExtension() const;  // without the dot
  ai::UnicodeString GetFileName(const bool displayName = false) const;
  ai::UnicodeString GetFullPath(const bool displayName = false) const;
  ai::UnicodeString GetDirectory(const bool displayName = false) const;

  // For the host's side: the path's handle. Null stands for the empty path.
  FilePathImpl* GetImpl() const { return impl; }
  void SetImpl(FilePathImpl* newImpl) { impl = newImpl; }

 private:
  FilePathImpl* impl = nullptr;
};

}  // namespace ai

#endif
