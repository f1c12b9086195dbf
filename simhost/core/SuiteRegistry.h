// The suites the host publishes, lent by name and version through the basic suite.
#ifndef KESTRUNE_SIMHOST_SUITEREGISTRY_H
#define KESTRUNE_SIMHOST_SUITEREGISTRY_H

#include <map>
#include <set>
#include <string>
#include <utility>

#include "AITypes.h"

namespace simhost {

class Faults;

class SuiteRegistry {
 public:
  explicit SuiteRegistry(Faults& faults) : faults_(faults) {}

  void Publish(const std::string& name, ai::int32 version, const void* table);
  // A withheld suite is answered as if the host had never published it.
  void Withhold(const std::string& name) { withheld_.insert(name); }

  SPErr Acquire(const char* name, ai::int32 version, const void** suite);
  SPErr Release(const char* name, ai::int32 version);

  int acquireCalls() const { return acquireCalls_; }
  int releaseCalls() const { return releaseCalls_; }
  // Acquisitions not yet matched by a release, over all suites.
  int outstanding() const;
  int outstanding(const std::string& name) const;
  bool IsPublished(const std::string& name, ai::int32 version) const;

 private:
  Faults& faults_;
  std::map<std::pair<std::string, ai::int32>, const void*> tables_;
  std::map<std::string, int> held_;
  std::set<std::string> withheld_;
  int acquireCalls_ = 0;
  int releaseCalls_ = 0;
};

}  // namespace simhost

#endif
