// Real Math: arithmetic on the host's reals, points and rectangles.
#ifndef KESTRUNE_HOST_AIREALMATH_H
#define KESTRUNE_HOST_AIREALMATH_H

#include "AITypes.h"

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion AIAPI_VERSION(5)

typedef struct {
  AIAPI AIReal (*AIRealAdd)(AIReal a, AIReal b);
  AIAPI AIReal (*AIRealMul)(AIReal a, AIReal b);
  AIAPI AIReal (*AIRealDiv)(AIReal a, AIReal b);
  AIAPI AIReal (*ShortRatio)(ai::int16 a, ai::int16 b);
  AIAPI AIReal (*AIRealRatio)(AIReal a, AIReal b);
  AIAPI AIReal (*AIRealMulAdd)(AIReal a, AIReal b, AIReal c, AIReal d);
  AIAPI AIReal (*AIRealMultiple)(AIReal a, AIReal multiple, AIBoolean ceiling);
  AIAPI AIReal (*AIRealSin)(AIReal a);
  AIAPI AIReal (*AIRealCos)(AIReal a);
  AIAPI AIReal (*AIRealATan)(AIReal a, AIReal b);
  AIAPI AIReal (*DegreeToRadian)(AIReal degree);
  AIAPI AIReal (*RadianToDegree)(AIReal radian);
  AIAPI AIReal (*AIRealSqrt)(AIReal a);
  AIAPI AIReal (*AIRealLength)(AIReal a, AIReal b);
  AIAPI AIReal (*AIRealInterpolate)(AIReal a, AIReal b, AIReal t);
  AIAPI void (*AIRealPointAdd)(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result);
  AIAPI void (*AIRealPointSubtract)(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result);
  AIAPI AIBoolean (*AIRealPointEqual)(const AIRealPoint* a, const AIRealPoint* b);
  AIAPI AIBoolean (*AIRealPointClose)(const AIRealPoint* a, const AIRealPoint* b, AIReal tolerance);
  AIAPI AIReal (*AIRealPointAngle)(const AIRealPoint* a, const AIRealPoint* b);
  AIAPI AIReal (*AIRealPointLength)(const AIRealPoint* a, const AIRealPoint* b);
  AIAPI void (*AIRealPointLengthAngle)(AIReal length, AIReal angle, AIRealPoint* result);
  AIAPI void (*AIRealPointInterpolate)(const AIRealPoint* a, const AIRealPoint* b, AIReal t, AIRealPoint* result);
  // Fills *a with the four sides; returns nothing and cannot fail.
  AIAPI void (*AIRealRectSet)(AIRealRect* a, AIReal left, AIReal top, AIReal right, AIReal bottom);
} AIRealMathSuite;

#endif
