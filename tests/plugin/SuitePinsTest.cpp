// The suites the plug-in acquires at start-up: the rows of its table, in order, each at
// the version the table gives and each lent by the host. (That the host's catalogue
// publishes every row at those versions, on both platforms, each build checks at
// compile time: tests/pins/SuitePins.cpp.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestHost.h"
#include "pluginHandler/AISuiteCatalog.h"

namespace {

struct Row {
  const char* name;
  ai::int32 version;
};

#define KSR_ROW(type, name, version, variable) {name, version},
const Row kTable[] = {KSR_SUITE_CATALOG(KSR_ROW)};
#undef KSR_ROW

struct Request {
  std::string name;
  ai::int32 version;
  SPErr status;
};

TEST(SuitePins, ThePluginAcquiresEveryRowOfItsTableAndTheHostLendsEach) {
  testing_support::PluginHost plugin;
  std::vector<Request> requests;
  plugin->suites().acquireObserver = [&](const std::string& name, ai::int32 version, SPErr status) {
    requests.push_back(Request{name, version, status});
  };
  ASSERT_EQ(plugin.Start(), kNoErr);
  plugin->suites().acquireObserver = nullptr;
  ASSERT_EQ(requests.size(), sizeof(kTable) / sizeof(kTable[0]));
  for (size_t i = 0; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i].name, kTable[i].name) << "row " << i + 1;
    EXPECT_EQ(requests[i].version, kTable[i].version) << kTable[i].name;
    EXPECT_EQ(requests[i].status, kSPNoError) << kTable[i].name;
  }
}

}  // namespace
