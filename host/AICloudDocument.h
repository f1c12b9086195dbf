// Cloud Document: saving the current cloud document under another cloud name.
#ifndef KESTRUNE_HOST_AICLOUDDOCUMENT_H
#define KESTRUNE_HOST_AICLOUDDOCUMENT_H

#include "AITypes.h"
#include "IAIUnicodeString.h"

#define kAICloudDocumentSuite "AI Cloud Document Suite"
#define kAICloudDocumentSuiteVersion AIAPI_VERSION(1)

struct AICloudDocumentSuite {
  // 0 once the current document is saved to the cloud under cloudPath (a relative path; a name here).
  AIAPI AIErr (*SaveToCloud)(const ai::UnicodeString& cloudPath);
};

#endif
