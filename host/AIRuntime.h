// Runtime: the host's version and its default script, which tells a Japanese host.
#ifndef KESTRUNE_HOST_AIRUNTIME_H
#define KESTRUNE_HOST_AIRUNTIME_H

#include "AIFont.h"
#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion AIAPI_VERSION(14)

typedef const char* AIAppName;
typedef const char* AIUserName;
typedef const char* AIUserOrganization;
typedef const char* AIUserSerialNumber;
typedef struct NameSpace AINameSpace;
typedef struct StringPool AIStringPool;

struct AIRuntimeSuite {
  AIAPI AIErr (*GetAppName)(AIAppName* name);
  AIAPI AIErr (*GetAppFileSpecification)(ai::FilePath& file);
  AIAPI AIErr (*GetUserName)(AIUserName* name);
  AIAPI AIErr (*GetUserOrganization)(AIUserOrganization* organization);
  AIAPI AIErr (*GetUserSerialNumber)(AIUserSerialNumber* serialNumber);
  AIAPI AIErr (*GetAppNameSpace)(AINameSpace** space);
  AIAPI AIErr (*GetAppStringPool)(AIStringPool** pool);
  AIAPI size_t (*GetAppFreeMem)(void);
  AIAPI AIErr (*ShowAppAboutBox)(void);
  AIAPI ai::int32 (*GetSystemVersion)(void);
  AIAPI AIBoolean (*GetIsSystemMacOSX)(void);
  // The host's major version (27, 28, ...), as the result; nothing can fail.
  AIAPI ai::int32 (*GetAppMajorVersion)(void);
  // The host's minor version, as the result.
  AIAPI ai::int32 (*GetAppMinorVersion)(void);
  // The host's revision, as the result.
  AIAPI ai::int32 (*GetAppRevisionVersion)(void);
  AIAPI AIErr (*GetAppNameUS)(ai::UnicodeString& name);
  AIAPI AIErr (*GetUserNameUS)(ai::UnicodeString& name);
  AIAPI AIErr (*GetUserOrganizationUS)(ai::UnicodeString& organization);
  // 0 and the application's default script in *script: kJapaneseAIScript on a Japanese host.
  AIAPI AIErr (*GetDefaultScript)(AIFaceScript* script);
};

#endif
