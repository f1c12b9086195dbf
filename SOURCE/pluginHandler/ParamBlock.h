// An action parameter block owned for one scope, so that an exception between its
// making and its playing (a host string that cannot be made) does not leak it.
#ifndef KESTRUNE_PARAMBLOCK_H
#define KESTRUNE_PARAMBLOCK_H

#include "AIActionManager.h"
#include "pluginHandler/AISuiteVariables.h"

class ParamBlock {
 public:
  ParamBlock() = default;
  ~ParamBlock() {
    if (block_ != nullptr && sActionManager != nullptr) sActionManager->AIDeleteActionParamValue(block_);
  }
  ParamBlock(const ParamBlock&) = delete;
  ParamBlock& operator=(const ParamBlock&) = delete;

  // Asks the host for a new block: its status, or kOutOfMemoryErr for no block.
  AIErr Make() {
    AIErr error = sActionManager->AINewActionParamValue(&block_);
    if (error == kNoErr && block_ == nullptr) error = kOutOfMemoryErr;
    return error;
  }
  AIActionParamValueRef get() const { return block_; }

 private:
  AIActionParamValueRef block_ = nullptr;
};

#endif
