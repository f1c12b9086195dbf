// ai::AutoBuffer: a buffer the host fills for the plug-in (the Unicode String suite's
// GetAs). It has the host's layout, the capacity then the block, and both are written
// by the host in place; the block comes from the SP Blocks suite and goes back to it
// when the buffer is destroyed.
#ifndef KESTRUNE_HOST_IAIAUTOBUFFER_H
#define KESTRUNE_HOST_IAIAUTOBUFFER_H

#include <cstddef>

namespace ai {

// Gives a block of the SP Blocks suite back; nothing when the suite is not held.
void FreeAutoBufferBlock(void* block);

template <class elem>
class AutoBuffer {
 public:
  AutoBuffer() = default;
  AutoBuffer(const AutoBuffer&) = delete;
  AutoBuffer& operator=(const AutoBuffer&) = delete;
  ~AutoBuffer() {
    if (fBuffer != nullptr) FreeAutoBufferBlock(fBuffer);
  }
  elem* GetBuffer() const { return fBuffer; }
  size_t GetCount() const { return fCapacity; }

  size_t fCapacity = 0;     // elements the block holds
  elem* fBuffer = nullptr;  // from SP Blocks, or null
};

}  // namespace ai

#endif
