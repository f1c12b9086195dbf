// SP Blocks: host memory blocks, used by the string wrappers for text handed back by the host.
#ifndef KESTRUNE_HOST_SPBLOCKS_H
#define KESTRUNE_HOST_SPBLOCKS_H

#include "AITypes.h"

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
  SPAPI SPErr (*AllocateBlock)(size_t size, const char* debug, void** block);
  SPAPI SPErr (*FreeBlock)(void* block);
  SPAPI SPErr (*ReallocateBlock)(void* block, size_t newSize, const char* debug, void** newblock);
} SPBlocksSuite;

#endif
