#include "Heap.h"

#include <cstdlib>

namespace {
HeapResizer gResizer = std::realloc;
}  // namespace

void* HeapResize(void* block, size_t bytes) { return gResizer(block, bytes == 0 ? 1 : bytes); }

void HeapFree(void* block) { std::free(block); }

HeapResizer SetHeapResizerForTesting(HeapResizer resizer) {
  HeapResizer previous = gResizer;
  gResizer = resizer != nullptr ? resizer : std::realloc;
  return previous;
}
