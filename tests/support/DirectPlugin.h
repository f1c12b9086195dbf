// For unit tests of the plug-in's logic: a simulated host whose suites are lent
// straight to the plug-in's suite variables, and a record the plug-in's own start-up
// fills from that host, as PluginMain would have it.
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
  DirectPlugin(const DirectPlugin&) = delete;
  DirectPlugin& operator=(const DirectPlugin&) = delete;

  // Starts afresh on a host of this configuration (its version, its language).
  void Restart(simhost::HostConfig config);
  simhost::Host& host() { return *host_; }
  // Writable for the texts' tests alone, which still set the language here; every other
  // test stages the language and version through the host (Restart).
  PluginGlobals& globals() { return record_; }

 private:
  void Start(simhost::HostConfig config);
  void Stop();

  std::unique_ptr<simhost::Host> host_;
  PluginGlobals record_{};
  PluginGlobals* previousRecord_ = nullptr;
};

}  // namespace testing_support

#endif
