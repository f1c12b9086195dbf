// Memory the host hands out: the basic suite's blocks and the SP Blocks suite.
#ifndef KESTRUNE_SIMHOST_MEMORY_H
#define KESTRUNE_SIMHOST_MEMORY_H

#include <cstddef>
#include <map>

#include "AITypes.h"

namespace simhost {

class SuiteRegistry;

class Memory {
 public:
  ~Memory();
  SPErr Allocate(size_t size, void** block);
  SPErr Reallocate(void* block, size_t size, void** newBlock);
  SPErr Free(void* block);
  size_t liveBlocks() const { return blocks_.size(); }

 private:
  std::map<void*, size_t> blocks_;
};

void PublishMemorySuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
