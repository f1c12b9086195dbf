// The suites this host publishes, by name and version: the host's own list, kept
// apart from what any plug-in asks for, so a plug-in asking for a wrong name or
// version meets the refusal the application gives.
#ifndef KESTRUNE_SIMHOST_SUITECATALOG_H
#define KESTRUNE_SIMHOST_SUITECATALOG_H

#include <optional>
#include <string>
#include <vector>

#include "AITypes.h"

namespace simhost {

// The application publishes its own suites (names beginning with "AI", and
// "Override AI Color Conversion Suite") at a version 1000 higher on macOS than on
// Windows; the "SP" and "ATE" suites agree.
enum class CatalogPlatform { kWindows, kMacOS };

// The platform whose versions the host's own headers carry: the one the plug-in
// under test was built for.
CatalogPlatform NativeCatalogPlatform();
const char* PlatformName(CatalogPlatform platform);  // "windows", "macos"

struct CatalogEntry {
  std::string name;
  ai::int32 version;
};

class SuiteCatalog {
 public:
  explicit SuiteCatalog(CatalogPlatform platform = NativeCatalogPlatform());

  CatalogPlatform platform() const { return platform_; }
  // Every published suite, in the order the application lists them.
  const std::vector<CatalogEntry>& entries() const { return entries_; }
  // The version published under name; nothing when the host has no such suite.
  std::optional<ai::int32> VersionOf(const std::string& name) const;

 private:
  CatalogPlatform platform_;
  std::vector<CatalogEntry> entries_;
};

}  // namespace simhost

#endif
