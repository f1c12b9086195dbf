// Context: the application's main window, which owns the Windows progress dialog.
#ifndef KESTRUNE_HOST_AICONTEXT_H
#define KESTRUNE_HOST_AICONTEXT_H

#include "AITypes.h"

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion AIAPI_VERSION(10)

typedef struct {
  // 0 and the application's main window (an HWND on Windows) in *appWindow; null where it has none.
  AIAPI AIErr (*GetPlatformAppWindow)(AIWindowRef* appWindow);
} AIAppContextSuite;

#endif
