#ifndef KESTRUNE_HOST_AICLOUDDOCUMENT_H
#define KESTRUNE_HOST_AICLOUDDOCUMENT_H

#include "AITypes.h"
#include "IAIUnicodeString.h"

#define kAICloudDocumentSuite "AI Cloud Document Suite"
#define kAICloudDocumentSuiteVersion AIAPI_VERSION(1)

struct AICloudDocumentSuite {
  // Saves the current document to the cloud under a relative path (just a name here).
  AIAPI AIErr (*SaveToCloud)(const ai::UnicodeString& cloudPath);
};

#endif
