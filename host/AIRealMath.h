#ifndef KESTRUNE_HOST_AIREALMATH_H
#define KESTRUNE_HOST_AIREALMATH_H

#include "AITypes.h"

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion AIAPI_VERSION(5)

typedef struct {
  AIAPI void (*AIRealRectSet)(AIRealRect* a, AIReal left, AIReal top, AIReal right, AIReal bottom);
} AIRealMathSuite;

#endif
