// Document View: a document's views, their centre and zoom.
#ifndef KESTRUNE_HOST_AIDOCUMENTVIEW_H
#define KESTRUNE_HOST_AIDOCUMENTVIEW_H

#include "AITypes.h"

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion AIAPI_VERSION(15)

struct AIDocumentViewSuite {
  AIAPI AIErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
  // 0 and the view's centre, in artwork coordinates, in *center.
  AIAPI AIErr (*GetDocumentViewCenter)(AIDocumentViewHandle view, AIRealPoint* center);
  // 0 once the view is centred on *center.
  AIAPI AIErr (*SetDocumentViewCenter)(AIDocumentViewHandle view, const AIRealPoint* center);
  AIAPI AIErr (*GetDocumentViewUserVisibleZoom)(AIDocumentViewHandle view, AIReal* zoom);
  // 0 and the view's zoom factor in *zoom.
  AIAPI AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  // 0 once the view shows zoom; the host keeps the factor within its limits.
  AIAPI AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
  AIAPI AIErr (*SetDocumentViewUserVisibleZoom)(AIDocumentViewHandle view, AIReal zoom);
  AIAPI AIErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint,
                                         AIPoint* viewPoint);
  AIAPI AIErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint,
                                         AIRealPoint* artworkPoint);
  AIAPI AIErr (*CountDocumentViews)(ai::int32* count);
  // 0 and the nth view in *view; n 0 gives the current view of the current document.
  AIAPI AIErr (*GetNthDocumentView)(ai::int32 n, AIDocumentViewHandle* view);
};

#endif
