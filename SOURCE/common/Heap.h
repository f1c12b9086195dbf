// The general-purpose heap for the plug-in's growing arrays.
#ifndef KESTRUNE_HEAP_H
#define KESTRUNE_HEAP_H

#include <cstddef>

// Grows (or first allocates) a block to bytes. On failure the answer is null and
// the old block is left as it was, still owned by the caller.
void* HeapResize(void* block, size_t bytes);
void HeapFree(void* block);

// Grows an array of T by one element; null (array untouched) when memory runs out.
template <typename T>
T* GrowByOne(T* array, int count) {
  return static_cast<T*>(HeapResize(array, sizeof(T) * (static_cast<size_t>(count) + 1)));
}

// For tests: replaces the allocator behind HeapResize; returns the previous one.
typedef void* (*HeapResizer)(void* block, size_t bytes);
HeapResizer SetHeapResizerForTesting(HeapResizer resizer);

#endif
