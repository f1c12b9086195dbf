// Document List: the open documents, and closing one.
#ifndef KESTRUNE_HOST_AIDOCUMENTLIST_H
#define KESTRUNE_HOST_AIDOCUMENTLIST_H

#include "AIActionManager.h"
#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIDocumentListSuite "AI Document List Suite"
#define kAIDocumentListSuiteVersion AIAPI_VERSION(11)

typedef ai::int32 AIColorModel;
typedef struct AINewDocumentPreset AINewDocumentPreset;

struct AIDocumentListSuite {
  // 0 and the number of open documents in *count.
  AIAPI AIErr (*Count)(ai::int32* count);
  // 0 and the document at lIndex (0 the frontmost) in *document.
  AIAPI AIErr (*GetNthDocument)(AIDocumentHandle* document, ai::int32 lIndex);
  AIAPI AIErr (*New)(ai::UnicodeString& title, AINewDocumentPreset* settings, ActionDialogStatus dialogStatus,
                     AIDocumentHandle* document);
  AIAPI AIErr (*Open)(const ai::FilePath& fileSpec, AIColorModel colorMode, ActionDialogStatus dialogStatus,
                      AIBoolean forceCopy, AIDocumentHandle* document);
  AIAPI AIErr (*OpenNoHistory)(const ai::FilePath& fileSpec, AIColorModel colorMode, ActionDialogStatus dialogStatus,
                               AIBoolean forceCopy, AIDocumentHandle* document);
  AIAPI AIErr (*Save)(AIDocumentHandle document);
  // 0 once the document is closed; the host asks about unsaved changes only when it is marked modified.
  AIAPI AIErr (*Close)(AIDocumentHandle document);
};

#endif
