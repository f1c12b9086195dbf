#ifndef KESTRUNE_HOST_AIDOCUMENTLIST_H
#define KESTRUNE_HOST_AIDOCUMENTLIST_H

#include "AITypes.h"

#define kAIDocumentListSuite "AI Document List Suite"
#define kAIDocumentListSuiteVersion AIAPI_VERSION(11)

struct AIDocumentListSuite {
  AIAPI AIErr (*Count)(ai::int32* count);
  AIAPI AIErr (*GetNthDocument)(AIDocumentHandle* document, ai::int32 lIndex);
  // Asks the user about unsaved changes only when the document is marked modified.
  AIAPI AIErr (*Close)(AIDocumentHandle document);
};

#endif
