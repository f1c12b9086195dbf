// The basic suite every message carries: suite lending, string equality, memory blocks.
#ifndef KESTRUNE_HOST_SPBASIC_H
#define KESTRUNE_HOST_SPBASIC_H

#include "AITypes.h"

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

typedef struct SPBasicSuite {
  SPAPI SPErr (*AcquireSuite)(const char* name, ai::int32 version, const void** suite);
  SPAPI SPErr (*ReleaseSuite)(const char* name, ai::int32 version);
  SPAPI SPBoolean (*IsEqual)(const char* token1, const char* token2);
  SPAPI SPErr (*AllocateBlock)(size_t size, void** block);
  SPAPI SPErr (*FreeBlock)(void* block);
  SPAPI SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
  SPAPI SPErr (*Undefined)(void);
} SPBasicSuite;

#endif
