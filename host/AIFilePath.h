// File Path: the suite behind ai::FilePath. Several members answer with a value
// (AIBool8 or nothing) rather than a status.
#ifndef KESTRUNE_HOST_AIFILEPATH_H
#define KESTRUNE_HOST_AIFILEPATH_H

#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion AIAPI_VERSION(8)

typedef struct SPPlatformFileReference SPPlatformFileReference;

// Version 8 is inferred to be the 2025 table: Set takes dontStripTrailingSpace, and
// on macOS the FSRef members are gone, so GetFileName sits at slot 19 there. The
// other reading, the 2019 table (version 6), has a three-argument Set and puts
// GetFileName at slot 20 on macOS. Windows slots agree in both.
struct AIFilePathSuite {
  AIAPI AIErr (*NewFilePath)(ai::FilePath& path);
  // 0 once the host's side of path is freed; path is then empty.
  AIAPI AIErr (*DeleteFilePath)(ai::FilePath& path);
  // 0 once dest names what src names; the host makes dest's side when it has none.
  AIAPI AIErr (*Copy)(const ai::FilePath& src, ai::FilePath& dest);
  // The answer itself: nonzero when path names nothing.
  AIAPI AIBool8 (*IsEmpty)(const ai::FilePath& path);
  AIAPI void (*MakeEmpty)(ai::FilePath& path);
  AIAPI AIBool8 (*Equal)(const ai::FilePath& a, const ai::FilePath& b, const AIBool8 resolveLinks);
  AIAPI AIBool8 (*LessThan)(const ai::FilePath& a, const ai::FilePath& b);
  AIAPI AIBool8 (*StartsWithDelimiter)(const ai::FilePath& path);
  AIAPI AIBool8 (*EndsWithDelimiter)(const ai::FilePath& path);
  AIAPI AIErr (*AddComponent)(const ai::UnicodeString& addend, ai::FilePath& augend);
  AIAPI void (*RemoveComponent)(ai::FilePath& path);
  AIAPI void (*AddExtension)(const ai::UnicodeString& ext, ai::FilePath& path);
  AIAPI void (*RemoveExtension)(ai::FilePath& path);
  // The answer itself: nonzero when a file or folder is there. longPath and isFile may be
  // null; they are filled only when something exists.
  AIAPI AIBool8 (*Exists)(const ai::FilePath& path, const AIBool8 resolveLinks, ai::UnicodeString* longPath,
                          AIBool8* isFile);
  AIAPI AIErr (*Resolve)(ai::FilePath& path);
  // 0 once path names pathString; the host makes path's side when it has none.
  AIAPI AIErr (*Set)(const ai::UnicodeString& pathString, AIBool8 expandName, AIBool8 dontStripTrailingSpace,
                     ai::FilePath& path);
  AIAPI void (*SetFromSPFileRef)(const SPPlatformFileReference& file, ai::FilePath& path);
#if defined(__APPLE__)
  AIAPI AIErr (*SetFromCFString)(const struct __CFString* string, ai::FilePath& path);
  AIAPI void (*SetFromCFURL)(const struct __CFURL* url, ai::FilePath& path);
#endif
  // 0 and the last component, extension included, in fileName.
  AIAPI AIErr (*GetFileName)(const ai::FilePath& path, const AIBool8 displayName, ai::UnicodeString& fileName);
  AIAPI AIErr (*GetFileNameNoExt)(const ai::FilePath& path, ai::UnicodeString& fileNameNoExt);
  // 0 and the extension without its dot (empty when there is none) in ext.
  AIAPI AIErr (*GetFileExtension)(const ai::FilePath& path, ai::UnicodeString& ext);
  // 0 and the whole path in the platform's notation in fullPath.
  AIAPI AIErr (*GetFullPath)(const ai::FilePath& path, const AIBool8 displayName, ai::UnicodeString& fullPath);
  // 0 and the folder that holds path in directory.
  AIAPI AIErr (*GetDirectory)(const ai::FilePath& path, const AIBool8 displayName, ai::UnicodeString& directory);
};

#endif
