// Test fixtures. PluginHost loads the test build of the plug-in binary into a
// simulated host and drives it through PluginMain; DirectPlugin lends the host's
// suites straight to the plug-in's logic, linked into the test, for unit tests.
#ifndef KESTRUNE_TESTS_TESTHOST_H
#define KESTRUNE_TESTS_TESTHOST_H

#include <memory>
#include <string>

#include "core/Host.h"
#include "VirtualClock.h"

namespace testing_support {

// The test build of the plug-in: the real code with the virtual clock.
std::string TestPluginPath();
// A fresh empty folder under the system's temporary folder, removed by the caller.
std::string MakeTempFolder(const std::string& tag);
void RemoveTree(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A fresh empty folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  explicit TempFolder(const std::string& tag = "test") : path_(MakeTempFolder(tag)) {}
  ~TempFolder() { RemoveTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class PluginHost {
 public:
  explicit PluginHost(simhost::HostConfig config = simhost::HostConfig());
  ~PluginHost();
  simhost::Host& host() { return *host_; }
  simhost::Host* operator->() { return host_.get(); }
  // Loads the plug-in (failing the test if it cannot) and sends Startup.
  SPErr Start();
  VirtualClockState* clock() const { return clock_; }

 private:
  std::unique_ptr<simhost::Host> host_;
  VirtualClockState* clock_ = nullptr;
};

}  // namespace testing_support

#endif
