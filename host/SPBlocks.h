// SP Blocks: host memory blocks. Text the host hands back (ai::AutoBuffer) lives in them.
#ifndef KESTRUNE_HOST_SPBLOCKS_H
#define KESTRUNE_HOST_SPBLOCKS_H

#include "AITypes.h"

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
  // 0 and a block of size bytes in *block (debug names it for the host's leak report); the caller frees it.
  SPAPI SPErr (*AllocateBlock)(size_t size, const char* debug, void** block);
  // Gives back a block from this suite, also one the host allocated for the plug-in.
  SPAPI SPErr (*FreeBlock)(void* block);
} SPBlocksSuite;

#endif
