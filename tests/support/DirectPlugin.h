// For unit tests of the plug-in's logic: a simulated host whose suites are lent
// straight to the plug-in's suite variables, and a blank global record.
#ifndef KESTRUNE_TESTS_DIRECTPLUGIN_H
#define KESTRUNE_TESTS_DIRECTPLUGIN_H

#include <memory>

#include "core/Host.h"
#include "shellMain/PluginGlobals.h"

namespace testing_support {

class DirectPlugin {
 public:
  explicit DirectPlugin(simhost::HostConfig config = simhost::HostConfig());
  ~DirectPlugin();
  simhost::Host& host() { return *host_; }
  PluginGlobals& globals() { return globals_; }

 private:
  std::unique_ptr<simhost::Host> host_;
  PluginGlobals globals_{};
  PluginGlobals* previousGlobals_ = nullptr;
};

}  // namespace testing_support

#endif
