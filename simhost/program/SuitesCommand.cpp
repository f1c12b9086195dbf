// kestrune-host suites [windows|macos]: the suites the host publishes, as a plug-in
// must ask for them: name and version, one a line, tab between.
#include <cstdio>

#include "core/SuiteCatalog.h"
#include "program/Cli.h"

namespace cli {
namespace {

int RunSuites(const Options& options, const std::vector<std::string>& args) {
  simhost::CatalogPlatform platform = options.config.platform;
  if (args.size() > 1) return UsageError("suites takes at most one platform");
  if (args.size() == 1) {
    if (args[0] == "windows") {
      platform = simhost::CatalogPlatform::kWindows;
    } else if (args[0] == "macos") {
      platform = simhost::CatalogPlatform::kMacOS;
    } else {
      return UsageError("suites: the platform is windows or macos, not " + args[0]);
    }
  }
  const simhost::SuiteCatalog catalog(platform);
  for (const simhost::CatalogEntry& entry : catalog.entries())
    std::printf("%s\t%d\n", entry.name.c_str(), static_cast<int>(entry.version));
  return kExitOk;
}

const CommandRegistration kSuites({"suites", "[windows|macos]",
                                   "list the suites the host publishes: name, tab, version (default: this build's)",
                                   RunSuites});

}  // namespace
}  // namespace cli
