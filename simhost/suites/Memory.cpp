#include "suites/Memory.h"

#include <cstdlib>

#include "core/Host.h"
#include "core/Lending.h"
#include "SPBlocks.h"
#include "core/SuiteRegistry.h"

namespace simhost {

Memory::~Memory() {
  for (auto& entry : blocks_) std::free(entry.first);
}

SPErr Memory::Allocate(size_t size, void** block) {
  if (block == nullptr) return kBadParameterErr;
  *block = std::malloc(size == 0 ? 1 : size);
  if (*block == nullptr) return kOutOfMemoryErr;
  blocks_[*block] = size;
  return kNoErr;
}

SPErr Memory::Reallocate(void* block, size_t size, void** newBlock) {
  if (newBlock == nullptr) return kBadParameterErr;
  if (block == nullptr) return Allocate(size, newBlock);
  auto it = blocks_.find(block);
  if (it == blocks_.end()) return kBadParameterErr;
  void* grown = std::realloc(block, size == 0 ? 1 : size);
  if (grown == nullptr) return kOutOfMemoryErr;
  blocks_.erase(it);
  blocks_[grown] = size;
  *newBlock = grown;
  return kNoErr;
}

SPErr Memory::Free(void* block) {
  if (block == nullptr) return kNoErr;
  auto it = blocks_.find(block);
  if (it == blocks_.end()) return kBadParameterErr;  // not ours, or freed twice
  blocks_.erase(it);
  std::free(block);
  return kNoErr;
}

namespace {

SPErr AllocateBlock(size_t size, const char*, void** block) { return Host::Current().memory().Allocate(size, block); }

SPErr FreeBlock(void* block) { return Host::Current().memory().Free(block); }

}  // namespace

void PublishMemorySuites(SuiteRegistry& registry) {
  registry.Publish(Lend<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion,
                                       Fails<&SPBlocksSuite::AllocateBlock, AllocateBlock>(),
                                       Fails<&SPBlocksSuite::FreeBlock, FreeBlock>()));
}

}  // namespace simhost
