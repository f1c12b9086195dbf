// The suites the host lends, by name and version through the basic suite. Only
// what the host's catalogue lists can be published or acquired, at its version.
#ifndef KESTRUNE_SIMHOST_SUITEREGISTRY_H
#define KESTRUNE_SIMHOST_SUITEREGISTRY_H

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "AITypes.h"
#include "core/SuiteCatalog.h"

namespace simhost {

class Faults;
struct LentSuite;

class SuiteRegistry {
 public:
  SuiteRegistry(Faults& faults, const SuiteCatalog& catalog) : faults_(faults), catalog_(catalog) {}

  // Lends table under name, at the version the catalogue gives for the host's
  // platform. A name the catalogue lacks, or a version other than the native
  // platform's, is a fault of the host itself: std::logic_error.
  void Publish(const std::string& name, ai::int32 version, const void* table);
  // Lends a suite the host implements (core/Lending.h) under its name and version.
  void Publish(const LentSuite& suite);
  // The suites published with their declarations, in the order published.
  const std::vector<const LentSuite*>& lent() const { return lent_; }
  // Lends tableFor(name) under every catalogued name that has no table yet, in
  // catalogue order; tableFor answers nullptr when it has no table left to lend.
  void PublishRemaining(const std::function<const void*(const std::string& name)>& tableFor);
  // The name a table was published under; empty for a table the registry never lent.
  std::string NameOf(const void* table) const;
  // A withheld suite is answered as if the host had never published it. A name the
  // catalogue lacks: std::invalid_argument.
  void Withhold(const std::string& name);

  // A name or version the catalogue does not list is refused with kSPSuiteNotFoundError.
  SPErr Acquire(const char* name, ai::int32 version, const void** suite);
  SPErr Release(const char* name, ai::int32 version);

  const SuiteCatalog& catalog() const { return catalog_; }
  int acquireCalls() const { return acquireCalls_; }
  int releaseCalls() const { return releaseCalls_; }
  // Releases the host refused (a fault injected, or a suite not held), over the registry's life.
  int refusedReleases() const { return refusedReleases_; }
  // Acquisitions not yet matched by a release, over all suites.
  int outstanding() const;
  int outstanding(const std::string& name) const;
  // The names of the suites with acquisitions not yet released.
  std::set<std::string> HeldNames() const;
  bool IsPublished(const std::string& name, ai::int32 version) const;

  // Sees every acquisition request with the host's answer, for tests.
  std::function<void(const std::string& name, ai::int32 version, SPErr status)> acquireObserver;

 private:
  bool Lends(const std::string& name, ai::int32 version) const;
  Faults& faults_;
  const SuiteCatalog& catalog_;
  std::map<std::string, const void*> tables_;
  std::vector<const LentSuite*> lent_;
  std::map<std::string, int> held_;
  std::set<std::string> withheld_;
  int acquireCalls_ = 0;
  int releaseCalls_ = 0;
  int refusedReleases_ = 0;
};

}  // namespace simhost

#endif
