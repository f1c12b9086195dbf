// Start-up, shut-down and the host's unload/reload of the plug-in's code.
#include <cstdlib>

#include "common/FixedText.h"
#include "common/Version.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

namespace {

// Whether this host version gets the plug-in's menus, timer, actions and notifiers.
bool IsSupportedHostVersion(ai::int32 major, ai::int32 minor) { return major == 28 || (major == 27 && minor >= 7); }

// The application's default script stands for its user-interface language: 1, the
// Japanese script, selects the Japanese texts. A host that cannot say gets English.
ai::int32 HostLanguage(const AIRuntimeSuite& runtime) {
  AIFaceScript script = kRomanAIScript;
  if (runtime.GetDefaultScript(&script) != kNoErr) return kRomanAIScript;
  return script;
}

}  // namespace

SPErr pluginStartup(SPInterfaceMessage* message) {
  const AIRuntimeSuite& runtime = Require(sRuntime);
  g->appMajorVersion = runtime.GetAppMajorVersion();
  g->appMinorVersion = runtime.GetAppMinorVersion();
  g->appRevision = runtime.GetAppRevisionVersion();
  g->appLanguage = HostLanguage(runtime);

  CopyText(g->pluginName, sizeof(g->pluginName), "Kestrune");
  CopyText(g->pluginVersion, sizeof(g->pluginVersion), KESTRUNE_VERSION_TEXT);

  g->actionMode = kActionModeNone;
  g->logFilePath[0] = 0;
  g->spool = nullptr;
  g->spoolCount = 0;
  g->spoolState = kSpoolIdle;
  g->timerBusy = 0;
#if defined(_WIN32)
  g->pumpTimerId = 0;
#endif
  // The outcome counters start at 0 with the blank record PluginMain allocates; each
  // command resets them before it counts.
  g->abortRequested = 0;
  g->suppressAlerts = 0;

  // Other hosts keep the plug-in loaded but silent.
  if (!IsSupportedHostVersion(g->appMajorVersion, g->appMinorVersion)) return kSPNoError;

  SPErr error = addMenu(message);
  if (error == kSPNoError) error = addTimers(message);
  if (error == kSPNoError) error = addAction(message);
  if (error == kSPNoError) error = addNotifiers(message);
  return error;
}

void pluginShutdown(SPInterfaceMessage*) {
  EndBulkUpdateAtShutdown();
  if (g->spool != nullptr) {
    std::free(g->spool);
    g->spool = nullptr;
  }
  g->spoolCount = 0;
  g->spoolState = kSpoolIdle;
}

SPErr goAbout(SPInterfaceMessage*) { return kSPNoError; }

SPErr reloadPluginSuiteFunctions(SPAccessMessage*) { return kSPNoError; }

void unloadPluginSuiteFunctions(SPAccessMessage*) {}
