#include "TestHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "system/HostSystem.h"

namespace testing_support {

std::string TestPluginPath() { return KESTRUNE_TEST_PLUGIN; }

std::string MakeTempFolder(const std::string& tag) {
  std::string made = simhost::host_system::MakeTemporaryFolder(tag);
  if (made.empty()) throw std::runtime_error("cannot make a temporary folder");
  return made;
}

void RemoveTree(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::u8path(path), ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::u8path(path), std::ios::binary);
  out << bytes;
}

PluginHost::PluginHost(simhost::HostConfig config) : host_(new simhost::Host(std::move(config))) {}

PluginHost::~PluginHost() {
  if (host_->started() && host_->pluginLoaded()) host_->Shutdown();
}

SPErr PluginHost::Start() {
  std::string error;
  if (!host_->pluginLoaded()) {
    EXPECT_TRUE(host_->LoadPlugin(TestPluginPath(), &error)) << error;
    auto entry = reinterpret_cast<VirtualClockEntry>(
        simhost::host_system::FindEntry(host_->moduleHandle(), kVirtualClockEntryName));
    clock_ = entry != nullptr ? entry() : nullptr;
  }
  return host_->Startup();
}

}  // namespace testing_support
