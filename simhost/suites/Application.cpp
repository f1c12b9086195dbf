#include "suites/Application.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "AIContext.h"
#include "AIRealMath.h"
#include "AIRuntime.h"
#include "SPAccess.h"
#include "core/Host.h"
#include "core/SuiteRegistry.h"
#include "os/Windowing.h"

// The access record of the one plug-in this host loads.
struct SPAccess {
  SPPluginRef plugin;
};

namespace simhost {
namespace {

ai::int32 GetAppMajorVersion() {
  Held("AIRuntimeSuite.GetAppMajorVersion");
  return Host::Current().config().majorVersion;
}

ai::int32 GetAppMinorVersion() {
  Held("AIRuntimeSuite.GetAppMinorVersion");
  return Host::Current().config().minorVersion;
}

ai::int32 GetAppRevisionVersion() {
  Held("AIRuntimeSuite.GetAppRevisionVersion");
  return Host::Current().config().revision;
}

AIErr GetAppUILanguage(ai::int32* language) {
  if (AIErr err = Fault("AIRuntimeSuite.GetAppUILanguage")) return err;
  if (language == nullptr) return kBadParameterErr;
  *language = Host::Current().config().language;
  return kNoErr;
}

const AIRuntimeSuite kRuntimeSuite = {GetAppMajorVersion, GetAppMinorVersion, GetAppRevisionVersion,
                                      GetAppUILanguage};

SPAccess gAccess;

SPErr GetPluginAccess(SPPluginRef plugin, SPAccessRef* access) {
  if (AIErr err = Fault("SPAccessSuite.GetPluginAccess")) return err;
  if (access == nullptr || plugin == nullptr || plugin != Host::Current().pluginRef()) return kBadParameterErr;
  gAccess.plugin = plugin;
  *access = &gAccess;
  return kNoErr;
}

SPErr GetAccessInfo(SPAccessRef access, SPPlatformAccessInfo* info) {
  if (AIErr err = Fault("SPAccessSuite.GetAccessInfo")) return err;
  if (access != &gAccess || info == nullptr) return kBadParameterErr;
  info->defaultAccess = Host::Current().module();
  info->resourceAccess = Host::Current().module();
  info->lastAccessTicks = 0;
  return kNoErr;
}

const SPAccessSuite kAccessSuite = {GetPluginAccess, GetAccessInfo};

// The platform's main window; a host on a terminal has none.
AIErr GetPlatformAppWindow(AIWindowRef* appWindow) {
  Held("AIAppContextSuite.GetPlatformAppWindow");
  if (appWindow == nullptr) return kBadParameterErr;
  *appWindow = static_cast<AIWindowRef>(os::MainWindow());
  return kNoErr;
}

const AIAppContextSuite kContextSuite = {GetPlatformAppWindow};

void AIRealRectSet(AIRealRect* a, AIReal left, AIReal top, AIReal right, AIReal bottom) {
  Held("AIRealMathSuite.AIRealRectSet");
  if (a == nullptr) return;
  a->left = left;
  a->top = top;
  a->right = right;
  a->bottom = bottom;
}

const AIRealMathSuite kRealMathSuite = {AIRealRectSet};

// Suites the host lends but this rendition does not implement: every function
// answers kNotImplementedErr, after the same held-suite check as the others. Each
// suite gets a table of its own so that a call tells which suite it came through.
constexpr size_t kHeldTableCount = 256;

struct HeldTable {
  // Wide enough for any suite of the catalogue.
  AIErr (*functions[128])();
};

HeldTable gHeldTables[kHeldTableCount];

template <size_t Index>
AIErr NotImplementedIn() {
  Host::Current().EnterUnimplementedCall(&gHeldTables[Index]);
  return kNotImplementedErr;
}

template <size_t... Index>
bool FillHeldTables(std::index_sequence<Index...>) {
  (std::fill(std::begin(gHeldTables[Index].functions), std::end(gHeldTables[Index].functions),
             &NotImplementedIn<Index>),
   ...);
  return true;
}

}  // namespace

void PublishApplicationSuites(SuiteRegistry& registry) {
  registry.Publish(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kRuntimeSuite);
  registry.Publish(kSPAccessSuite, kSPAccessSuiteVersion, &kAccessSuite);
  registry.Publish(kAIAppContextSuite, kAIAppContextSuiteVersion, &kContextSuite);
  registry.Publish(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathSuite);
}

void PublishHeldSuites(SuiteRegistry& registry) {
  static const bool filled = FillHeldTables(std::make_index_sequence<kHeldTableCount>());
  (void)filled;
  size_t next = 0;
  registry.PublishRemaining([&next](const std::string&) -> const void* {
    return next < kHeldTableCount ? &gHeldTables[next++] : nullptr;
  });
}

}  // namespace simhost
