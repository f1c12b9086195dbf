#ifndef KESTRUNE_HOST_AIDOCUMENTVIEW_H
#define KESTRUNE_HOST_AIDOCUMENTVIEW_H

#include "AITypes.h"

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion AIAPI_VERSION(15)

struct AIDocumentViewSuite {
  // n counts from 1; 0 gives the current view of the current document.
  AIAPI AIErr (*GetNthDocumentView)(ai::int32 n, AIDocumentViewHandle* view);
  AIAPI AIErr (*CountDocumentViews)(ai::int32* count);
  AIAPI AIErr (*GetDocumentViewCenter)(AIDocumentViewHandle view, AIRealPoint* center);
  AIAPI AIErr (*SetDocumentViewCenter)(AIDocumentViewHandle view, const AIRealPoint* center);
  AIAPI AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  AIAPI AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
};

#endif
