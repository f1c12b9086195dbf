// Document: the current document, its file, modified flag, redraw and cloud identity.
#ifndef KESTRUNE_HOST_AIDOCUMENT_H
#define KESTRUNE_HOST_AIDOCUMENT_H

#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion AIAPI_VERSION(20)

struct AIDocumentSuite {
  // kNoDocumentErr and a null handle when no document is open.
  AIAPI AIErr (*GetDocument)(AIDocumentHandle* document);
  // Fails for a document that was never saved to a file.
  AIAPI AIErr (*GetDocumentFileSpecification)(ai::FilePath& file);
  AIAPI AIErr (*SetDocumentModified)(AIBoolean modified);
  AIAPI AIErr (*GetDocumentModified)(AIBoolean* modified);
  AIAPI AIErr (*RedrawDocument)(void);
  // Brings the document's internal state up to date with pending edits.
  AIAPI AIErr (*SyncDocument)(void);
  // False when no document is open.
  AIAPI AIBoolean (*IsCloudDocument)(void);
  AIAPI AIErr (*GetCloudDocumentName)(ai::UnicodeString& name);
};

#endif
