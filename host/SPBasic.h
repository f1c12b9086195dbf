// The basic suite every message carries: suite lending, string equality, memory blocks.
#ifndef KESTRUNE_HOST_SPBASIC_H
#define KESTRUNE_HOST_SPBASIC_H

#include "AITypes.h"

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

typedef struct SPBasicSuite {
  // 0 and the suite's table in *suite, or a status (kSPSuiteNotFoundError) and *suite untouched.
  SPAPI SPErr (*AcquireSuite)(const char* name, ai::int32 version, const void** suite);
  // Gives back one acquisition of name at version; a status when none is held.
  SPAPI SPErr (*ReleaseSuite)(const char* name, ai::int32 version);
  // Nonzero when the two strings are equal; the only way the plug-in compares callers and selectors.
  SPAPI SPBoolean (*IsEqual)(const char* token1, const char* token2);
  // 0 and a block of size bytes, which the plug-in owns and gives back with FreeBlock.
  SPAPI SPErr (*AllocateBlock)(size_t size, void** block);
  // Gives back a block from AllocateBlock.
  SPAPI SPErr (*FreeBlock)(void* block);
  SPAPI SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
  SPAPI SPErr (*Undefined)(void);
} SPBasicSuite;

#endif
