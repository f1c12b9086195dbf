// The host functions that check a fault point, grouped by the suite that lends
// them. A point is the suite's struct name, a dot and the member
// ("AIMenuSuite.AddMenuItem"); the group says which published suite a plug-in
// must hold to call it. Every function of a listed struct, with a fault point or
// without, is checked for the plug-in holding its suite.
#ifndef KESTRUNE_SIMHOST_HOSTCALLS_H
#define KESTRUNE_SIMHOST_HOSTCALLS_H

#include <string>
#include <vector>

namespace simhost {

struct HostCallGroup {
  const char* suite;   // the published name; empty for the basic suite, which every call carries
  const char* prefix;  // the struct name the points begin with
  std::vector<const char*> members;  // the members that have a fault point
};

const std::vector<HostCallGroup>& HostCallGroups();

// The published suite a point's function belongs to: empty for the basic suite
// and for points that are no suite function.
std::string SuiteOfPoint(const std::string& point);

}  // namespace simhost

#endif
