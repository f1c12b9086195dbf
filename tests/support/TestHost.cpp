#include "TestHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "os/Files.h"
#include "os/Module.h"

namespace testing_support {

std::string TestPluginPath() { return KESTRUNE_TEST_PLUGIN; }

std::string MakeTempFolder(const std::string& tag) {
  std::string made;
  if (!simhost::os::MakeUniqueFolder(simhost::os::TemporaryFolder(), "kestrune-" + tag + "-", &made))
    throw std::runtime_error("cannot make a temporary folder");
  return made;
}

void RemoveTree(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(simhost::os::NativePath(path), ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(simhost::os::NativePath(path), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(simhost::os::NativePath(path), std::ios::binary);
  out << bytes;
}

PluginHost::PluginHost(simhost::HostConfig config) : host_(new simhost::Host(std::move(config))) {}

// Every test through PluginMain is also a validator run: the plug-in must never do
// what the host refuses as its fault.
PluginHost::~PluginHost() {
  if (host_->started() && host_->pluginLoaded()) host_->Shutdown();
  for (const std::string& failure : host_->validator().failures()) ADD_FAILURE() << "validator: " << failure;
}

SPErr PluginHost::Start() {
  std::string error;
  if (!host_->pluginLoaded()) {
    EXPECT_TRUE(host_->LoadPlugin(TestPluginPath(), &error)) << error;
    auto entry = reinterpret_cast<VirtualClockEntry>(simhost::os::FindSymbol(host_->module(), kVirtualClockEntryName));
    clock_ = entry != nullptr ? entry() : nullptr;
  }
  return host_->Startup();
}

}  // namespace testing_support
