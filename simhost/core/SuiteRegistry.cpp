#include "core/SuiteRegistry.h"

#include <stdexcept>

#include "core/Faults.h"
#include "core/Lending.h"

namespace simhost {

void SuiteRegistry::Publish(const std::string& name, ai::int32 version, const void* table) {
  // The implementation's version comes from the host's headers, which carry the
  // native platform's numbers; the suite is lent at the configured platform's.
  static const SuiteCatalog native(NativeCatalogPlatform());
  std::optional<ai::int32> published = native.VersionOf(name);
  if (!published) throw std::logic_error("the host implements \"" + name + "\", which its catalogue does not list");
  if (*published != version)
    throw std::logic_error("the host implements \"" + name + "\" version " + std::to_string(version) +
                           ", its catalogue lists version " + std::to_string(*published));
  tables_[name] = table;
}

void SuiteRegistry::Publish(const LentSuite& suite) {
  Publish(suite.name, suite.version, suite.table);
  lent_.push_back(&suite);
}

void SuiteRegistry::PublishRemaining(const std::function<const void*(const std::string& name)>& tableFor) {
  for (const CatalogEntry& entry : catalog_.entries()) {
    if (tables_.count(entry.name) != 0) continue;
    const void* table = tableFor(entry.name);
    if (table == nullptr) throw std::logic_error("the host has no table left to lend as \"" + entry.name + "\"");
    tables_[entry.name] = table;
  }
}

std::string SuiteRegistry::NameOf(const void* table) const {
  for (const auto& [name, lent] : tables_)
    if (lent == table) return name;
  return "";
}

void SuiteRegistry::Withhold(const std::string& name) {
  if (!catalog_.VersionOf(name)) throw std::invalid_argument("the host publishes no suite \"" + name + "\"");
  withheld_.insert(name);
}

bool SuiteRegistry::Lends(const std::string& name, ai::int32 version) const {
  std::optional<ai::int32> published = catalog_.VersionOf(name);
  return published && *published == version && tables_.count(name) != 0 && withheld_.count(name) == 0;
}

SPErr SuiteRegistry::Acquire(const char* name, ai::int32 version, const void** suite) {
  ++acquireCalls_;
  SPErr status = kSPNoError;
  if (name == nullptr || suite == nullptr) {
    status = kBadParameterErr;
  } else if (AIErr err = faults_.Check(std::string("acquire:") + name)) {
    status = err;
  } else if (!Lends(name, version)) {
    status = kSPSuiteNotFoundError;
  } else {
    *suite = tables_.at(name);
    ++held_[name];
  }
  if (acquireObserver && name != nullptr) acquireObserver(name, version, status);
  return status;
}

SPErr SuiteRegistry::Release(const char* name, ai::int32 version) {
  ++releaseCalls_;
  SPErr status = kSPNoError;
  if (name == nullptr) {
    status = kBadParameterErr;
  } else if (AIErr err = faults_.Check(std::string("release:") + name)) {
    status = err;
  } else if (!Lends(name, version)) {
    status = kSPSuiteNotFoundError;
  } else if (held_[name] == 0) {
    status = kBadParameterErr;
  } else {
    --held_[name];
  }
  if (status != kSPNoError) ++refusedReleases_;
  return status;
}

int SuiteRegistry::outstanding() const {
  int total = 0;
  for (const auto& entry : held_) total += entry.second;
  return total;
}

int SuiteRegistry::outstanding(const std::string& name) const {
  auto it = held_.find(name);
  return it == held_.end() ? 0 : it->second;
}

std::set<std::string> SuiteRegistry::HeldNames() const {
  std::set<std::string> names;
  for (const auto& entry : held_)
    if (entry.second > 0) names.insert(entry.first);
  return names;
}

bool SuiteRegistry::IsPublished(const std::string& name, ai::int32 version) const { return Lends(name, version); }

}  // namespace simhost
