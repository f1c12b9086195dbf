#include "platform/ProgressWindowHost.h"

#include "AIContext.h"
#include "pluginHandler/AISuiteVariables.h"
#include "shellMain/PluginGlobals.h"

#if defined(_WIN32)
#include <windows.h>

// Set by the menu registration from the host's access record.
extern HINSTANCE gPluginInstance;
#endif

namespace platform {

void* HostMainWindow() {
  AIWindowRef window = nullptr;
  if (sAppContext == nullptr || sAppContext->GetPlatformAppWindow(&window) != kNoErr) return nullptr;
  return window;
}

// The module handle and the record's timer field exist only in the Windows build.
#if defined(_WIN32)

namespace {

// A timer started before start-up or stopped after shut-down has no record to live in;
// its id must still reach the code that stops it.
UINT_PTR gPumpTimerWithoutRecord = 0;

}  // namespace

void* PluginResourceModule() { return gPluginInstance; }

void KeepPumpTimerId(std::uintptr_t id) { (g != nullptr ? g->pumpTimerId : gPumpTimerWithoutRecord) = id; }

std::uintptr_t TakePumpTimerId() {
  UINT_PTR* places[] = {g != nullptr ? &g->pumpTimerId : nullptr, &gPumpTimerWithoutRecord};
  for (UINT_PTR* place : places) {
    if (place == nullptr || *place == 0) continue;
    const UINT_PTR id = *place;
    *place = 0;
    return id;
  }
  return 0;
}

#endif

}  // namespace platform
