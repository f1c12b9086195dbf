// The suites this host publishes, by name and version, for the platform it plays: the
// host's own list (PublishedSuites.h), kept apart from what any plug-in asks for.
#ifndef KESTRUNE_SIMHOST_SUITECATALOG_H
#define KESTRUNE_SIMHOST_SUITECATALOG_H

#include <optional>
#include <string>
#include <vector>

#include "AITypes.h"
#include "core/PublishedSuites.h"

namespace simhost {

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
