// SP Access: the plug-in's access record and its platform information.
#ifndef KESTRUNE_HOST_SPACCESS_H
#define KESTRUNE_HOST_SPACCESS_H

#include "AITypes.h"

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccess* SPAccessRef;
// On Windows the module instance handle, on macOS the resource chain; a module handle here.
typedef void* SPPlatformAccessRef;

typedef struct SPPlatformAccessInfo {
  SPPlatformAccessRef defaultAccess;
  SPPlatformAccessRef resourceAccess;
  ai::uint32 lastAccessTicks;
} SPPlatformAccessInfo;

typedef struct SPAccessSuite {
  SPAPI SPErr (*GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
  SPAPI SPErr (*GetAccessInfo)(SPAccessRef access, SPPlatformAccessInfo* info);
} SPAccessSuite;

#endif
