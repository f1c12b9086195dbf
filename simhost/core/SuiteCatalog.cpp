#include "core/SuiteCatalog.h"

namespace simhost {

const char* PlatformName(CatalogPlatform platform) { return platform == CatalogPlatform::kMacOS ? "macos" : "windows"; }

SuiteCatalog::SuiteCatalog(CatalogPlatform platform) : platform_(platform) {
  for (const PublishedSuite& suite : kPublishedSuites)
    entries_.push_back(CatalogEntry{suite.name, PublishedVersion(suite, platform)});
}

std::optional<ai::int32> SuiteCatalog::VersionOf(const std::string& name) const {
  for (const CatalogEntry& entry : entries_)
    if (entry.name == name) return entry.version;
  return std::nullopt;
}

}  // namespace simhost
