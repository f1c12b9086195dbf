#include "IAIAutoBuffer.h"

#include "SPBlocks.h"

// The plug-in defines this and holds it while it runs; null while the suite is not held.
extern const SPBlocksSuite* sSPBlocks;

namespace ai {

void FreeAutoBufferBlock(void* block) {
  if (block != nullptr && sSPBlocks != nullptr) sSPBlocks->FreeBlock(block);
}

}  // namespace ai
