#ifndef KESTRUNE_HOST_AICONTEXT_H
#define KESTRUNE_HOST_AICONTEXT_H

#include "AITypes.h"

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion AIAPI_VERSION(10)

typedef struct {
  // The application's main window; null where the host has no window of its own.
  AIAPI AIErr (*GetPlatformAppWindow)(AIWindowRef* appWindow);
} AIAppContextSuite;

#endif
