// SP Access: the plug-in's access record and its platform information.
#ifndef KESTRUNE_HOST_SPACCESS_H
#define KESTRUNE_HOST_SPACCESS_H

#include "AITypes.h"

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccess* SPAccessRef;
// On Windows the module instance handle (HINSTANCE); on macOS the host's resource
// chain record, which is no module handle.
typedef void* SPPlatformAccessRef;
typedef struct SPPlatformAccessInfo {
  SPPlatformAccessRef defaultAccess;
  SPPlatformAccessRef resourceAccess;
  ai::uint32 lastAccessTicks;
} SPPlatformAccessInfo;
typedef SPAPI SPErr (*SPEntry)(const char* caller, const char* selector, void* message);

typedef struct SPAccessSuite {
  SPAPI SPErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  SPAPI SPErr (*ReleasePlugin)(SPAccessRef access);
  // 0 and the plug-in's access record, owned by the host, without a reference to give back.
  SPAPI SPErr (*GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
  SPAPI SPErr (*GetAccessPlugin)(SPAccessRef access, SPPluginRef* plugin);
  SPAPI SPErr (*GetAccessEntry)(SPAccessRef access, SPEntry* entry);
  SPAPI SPErr (*GetAccessCount)(SPAccessRef access, ai::int32* count);
  // 0 and the record's platform information in *info.
  SPAPI SPErr (*GetAccessInfo)(SPAccessRef access, SPPlatformAccessInfo* info);
} SPAccessSuite;

#endif
