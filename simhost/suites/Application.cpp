#include "suites/Application.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "AIContext.h"
#include "AIRealMath.h"
#include "AIRuntime.h"
#include "SPAccess.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "os/Windowing.h"

// The access record of the one plug-in this host loads.
struct SPAccess {
  SPPluginRef plugin;
};

namespace simhost {
namespace {

ai::int32 GetAppMajorVersion() { return Host::Current().config().majorVersion; }

ai::int32 GetAppMinorVersion() { return Host::Current().config().minorVersion; }

ai::int32 GetAppRevisionVersion() { return Host::Current().config().revision; }

// A Japanese host's default script is the Japanese one; every other host's is Roman.
AIErr GetDefaultScript(AIFaceScript* script) {
  if (script == nullptr) return kBadParameterErr;
  *script = Host::Current().config().language == 1 ? kJapaneseAIScript : kRomanAIScript;
  return kNoErr;
}

SPAccess gAccess;

SPErr GetPluginAccess(SPPluginRef plugin, SPAccessRef* access) {
  if (access == nullptr || plugin == nullptr || plugin != Host::Current().pluginRef()) return kBadParameterErr;
  gAccess.plugin = plugin;
  *access = &gAccess;
  return kNoErr;
}

SPErr GetAccessInfo(SPAccessRef access, SPPlatformAccessInfo* info) {
  if (access != &gAccess || info == nullptr) return kBadParameterErr;
  info->defaultAccess = Host::Current().module();
  info->resourceAccess = Host::Current().module();
  info->lastAccessTicks = 0;
  return kNoErr;
}

// The platform's main window; a host on a terminal has none.
AIErr GetPlatformAppWindow(AIWindowRef* appWindow) {
  if (appWindow == nullptr) return kBadParameterErr;
  *appWindow = static_cast<AIWindowRef>(os::MainWindow());
  return kNoErr;
}

void AIRealRectSet(AIRealRect* a, AIReal left, AIReal top, AIReal right, AIReal bottom) {
  if (a == nullptr) return;
  a->left = left;
  a->top = top;
  a->right = right;
  a->bottom = bottom;
}

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
  registry.Publish(Lend<AIRuntimeSuite>(kAIRuntimeSuite, kAIRuntimeSuiteVersion,
                                        Answers<&AIRuntimeSuite::GetAppMajorVersion, GetAppMajorVersion>(),
                                        Answers<&AIRuntimeSuite::GetAppMinorVersion, GetAppMinorVersion>(),
                                        Answers<&AIRuntimeSuite::GetAppRevisionVersion, GetAppRevisionVersion>(),
                                        Fails<&AIRuntimeSuite::GetDefaultScript, GetDefaultScript>()));
  registry.Publish(Lend<SPAccessSuite>(kSPAccessSuite, kSPAccessSuiteVersion,
                                       Fails<&SPAccessSuite::GetPluginAccess, GetPluginAccess>(),
                                       Fails<&SPAccessSuite::GetAccessInfo, GetAccessInfo>()));
  registry.Publish(Lend<AIAppContextSuite>(kAIAppContextSuite, kAIAppContextSuiteVersion,
                                           Fails<&AIAppContextSuite::GetPlatformAppWindow, GetPlatformAppWindow>()));
  registry.Publish(Lend<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion,
                                         Answers<&AIRealMathSuite::AIRealRectSet, AIRealRectSet>()));
}

void PublishHeldSuites(SuiteRegistry& registry) {
  static const bool filled = FillHeldTables(std::make_index_sequence<kHeldTableCount>());
  (void)filled;
  size_t next = 0;
  registry.PublishRemaining(
      [&next](const std::string&) -> const void* { return next < kHeldTableCount ? &gHeldTables[next++] : nullptr; });
}

}  // namespace simhost
