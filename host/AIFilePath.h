// The suite behind ai::FilePath.
#ifndef KESTRUNE_HOST_AIFILEPATH_H
#define KESTRUNE_HOST_AIFILEPATH_H

#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion AIAPI_VERSION(8)

struct AIFilePathSuite {
  AIAPI AIErr (*Set)(ai::FilePath& path, const ai::UnicodeString& string, AIBoolean expandName);
  AIAPI AIErr (*Copy)(ai::FilePath& dst, const ai::FilePath& src);
  AIAPI AIErr (*Destroy)(ai::FilePath& path);
  // longPath and isFile may be null.
  AIAPI AIErr (*Exists)(const ai::FilePath& path, AIBoolean resolveLinks, ai::UnicodeString* longPath,
                        AIBoolean* isFile, AIBoolean* exists);
  AIAPI AIErr (*IsEmpty)(const ai::FilePath& path, AIBoolean* empty);
  AIAPI AIErr (*GetFileExtension)(const ai::FilePath& path, ai::UnicodeString& out);
  AIAPI AIErr (*GetFileName)(const ai::FilePath& path, AIBoolean displayName, ai::UnicodeString& out);
  AIAPI AIErr (*GetFullPath)(const ai::FilePath& path, AIBoolean displayName, ai::UnicodeString& out);
  AIAPI AIErr (*GetDirectory)(const ai::FilePath& path, AIBoolean displayName, ai::UnicodeString& out);
};

#endif
