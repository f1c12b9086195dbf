// Every build holds the plug-in's table of suites to the simulated host's catalogue at
// compile time: each suite the plug-in asks for is one the host publishes, at the
// version this build asks for it (AIAPI_VERSION gives macOS's in the macOS build,
// whose bundle never meets the simulated host). The two lists stay apart, the
// plug-in's request and the host's catalogue, so a wrong row in either fails here.
// Compiled with the plug-in's flags, linked into nothing.
#include "core/PublishedSuites.h"
#include "pluginHandler/AISuiteCatalog.h"

namespace {

constexpr simhost::CatalogPlatform kPlatform = simhost::NativeCatalogPlatform();

#define KSR_PIN(type, name, version, variable)                \
  static_assert(simhost::Publishes(name, version, kPlatform), \
                "the host publishes no " name " at the version the plug-in asks for (" #variable ")");
KSR_SUITE_CATALOG(KSR_PIN)
#undef KSR_PIN

}  // namespace
