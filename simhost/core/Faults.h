// Failure injection: any host call can be made to fail with a chosen status.
#ifndef KESTRUNE_SIMHOST_FAULTS_H
#define KESTRUNE_SIMHOST_FAULTS_H

#include <map>
#include <string>

#include "AITypes.h"

namespace simhost {

// Points are named "Suite.Function" (for example "AIMenuSuite.AddMenuItem",
// "SPBasicSuite.AllocateBlock"), or "acquire:" followed by a suite name.
class Faults {
 public:
  // The nth call from now (1 = the next one) fails with status; with persistent it
  // and every later call fail.
  void Inject(const std::string& point, AIErr status, int nth = 1, bool persistent = false);
  void Clear();
  // Called by every host function: the status to fail with, or kNoErr.
  AIErr Check(const std::string& point);
  int Calls(const std::string& point) const;

 private:
  struct Rule {
    AIErr status;
    int countdown;
    bool persistent;
  };
  std::map<std::string, Rule> rules_;
  std::map<std::string, int> calls_;
};

}  // namespace simhost

#endif
