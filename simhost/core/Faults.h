// Failure injection: any host call can be made to fail with a chosen status. The
// host declares every point it checks, so a rule for a point that does not exist
// is refused instead of silently never firing.
#ifndef KESTRUNE_SIMHOST_FAULTS_H
#define KESTRUNE_SIMHOST_FAULTS_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include "AITypes.h"

namespace simhost {

// Points are named "Suite.Function" (for example "AIMenuSuite.AddMenuItem",
// "SPBasicSuite.AllocateBlock"), "acquire:" or "release:" followed by a suite
// name, or "play:" followed by a host event.
class Faults {
 public:
  // Makes point known; only known points take rules.
  void Declare(const std::string& point) { known_.insert(point); }
  // Names a host function that cannot fail, with why (it returns nothing or a
  // value): a rule for it is refused with that reason rather than as a typo.
  void DeclareUnfailing(const std::string& point, const std::string& why) { unfailing_[point] = why; }
  bool Knows(const std::string& point) const { return known_.count(point) != 0; }
  // Why point cannot fail; empty for a point that can, or that the host does not name.
  std::string WhyUnfailing(const std::string& point) const;
  // Every known point, sorted.
  std::vector<std::string> Points() const { return {known_.begin(), known_.end()}; }

  // The nth call from now (1 = the next one) fails with status; with persistent it
  // and every later call fail. A point not declared, or one that cannot fail:
  // std::invalid_argument, so a test meant to inject a failure cannot pass without one.
  void Inject(const std::string& point, AIErr status, int nth = 1, bool persistent = false);
  void Clear();
  // Called by every host function that can fail: the status to fail with, or kNoErr.
  AIErr Check(const std::string& point);
  // Called by every host function that cannot fail, so its calls are counted too.
  void Count(const std::string& point) { ++calls_[point]; }
  int Calls(const std::string& point) const;
  // Whether a rule for point is still waiting for its call (a persistent rule always is).
  bool Pending(const std::string& point) const { return rules_.count(point) != 0; }

 private:
  struct Rule {
    AIErr status;
    int countdown;
    bool persistent;
  };
  std::set<std::string> known_;
  std::map<std::string, std::string> unfailing_;
  std::map<std::string, Rule> rules_;
  std::map<std::string, int> calls_;
};

}  // namespace simhost

#endif
