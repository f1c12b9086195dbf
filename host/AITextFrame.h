// Text Frame: a text frame's kind and its text as a text-engine range.
#ifndef KESTRUNE_HOST_AITEXTFRAME_H
#define KESTRUNE_HOST_AITEXTFRAME_H

#include "AITypes.h"
#include "ATETypes.h"

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion AIAPI_VERSION(4)

// Fixed at 32 bits: hosts report kinds beyond the ones named here.
typedef enum : ai::int32 {
  kUnknownTextType = -1,
  kPointTextType = 0,
  kInPathTextType = 1,
  kOnPathTextType = 2
} AITextType;
typedef AITextType AITextFrameType;
typedef unsigned int AITextOrientation;
typedef unsigned int TextAntialiasingAvailableTypes;

using ATE::TextRangeRef;

typedef struct {
  AIAPI AIErr (*NewPointText)(ai::int16 paintOrder, AIArtHandle prep, AITextOrientation orient, AIRealPoint anchor,
                              AIArtHandle* newTextFrame);
  AIAPI AIErr (*NewInPathText)(ai::int16 paintOrder, AIArtHandle prep, AITextOrientation orient, AIArtHandle path,
                               AIArtHandle baseFrame, AIBool8 append, AIArtHandle* newTextFrame);
  AIAPI AIErr (*NewOnPathText)(ai::int16 paintOrder, AIArtHandle prep, AITextOrientation orient, AIArtHandle path,
                               AIReal startT, AIReal endT, AIArtHandle baseFrame, AIBool8 append,
                               AIArtHandle* newTextFrame);
  AIAPI AIErr (*NewOnPathText2)(ai::int16 paintOrder, AIArtHandle prep, AITextOrientation orient, AIArtHandle path,
                                AIRealPoint anchor, AIArtHandle baseFrame, AIBool8 append, AIArtHandle* newTextFrame);
  // 0 and the frame's kind in *type.
  AIAPI AIErr (*GetType)(AIArtHandle textFrame, AITextFrameType* type);
  AIAPI AIErr (*GetOrientation)(AIArtHandle textFrame, AITextOrientation* orient);
  AIAPI AIErr (*SetOrientation)(AIArtHandle textFrame, AITextOrientation orient);
  AIAPI AIErr (*GetTextAntialias)(AIArtHandle textFrame, TextAntialiasingAvailableTypes* antialias);
  AIAPI AIErr (*SetTextAntialias)(AIArtHandle textFrame, TextAntialiasingAvailableTypes antialias);
  AIAPI AIErr (*GetPointTextAnchor)(AIArtHandle textFrame, AIRealPoint* anchor);
  AIAPI AIErr (*GetPathObject)(AIArtHandle textFrame, AIArtHandle* pathObject);
  AIAPI AIErr (*GetOnPathTextTRange)(AIArtHandle textFrame, AIReal* startT, AIReal* endT);
  AIAPI AIErr (*SetOnPathTextTRange)(AIArtHandle textFrame, AIReal startT, AIReal endT);
  // 0 and a counted range over the frame's text: hand it to ATE::ITextRange, which releases it.
  AIAPI AIErr (*GetATETextRange)(AIArtHandle textFrame, TextRangeRef* textRange);
} AITextFrameSuite;

#endif
