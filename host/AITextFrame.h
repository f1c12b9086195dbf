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

using ATE::TextRangeRef;

typedef struct {
  AIAPI AIErr (*GetType)(AIArtHandle textFrame, AITextFrameType* type);
  // The range is counted: hand it to ATE::ITextRange, which releases it.
  AIAPI AIErr (*GetATETextRange)(AIArtHandle textFrame, TextRangeRef* textRange);
} AITextFrameSuite;

#endif
