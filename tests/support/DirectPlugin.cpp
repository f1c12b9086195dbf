#include "DirectPlugin.h"

#include "pluginHandler/Suites.h"

namespace testing_support {

DirectPlugin::DirectPlugin(simhost::HostConfig config) {
  previousRecord_ = g;
  Start(std::move(config));
}

DirectPlugin::~DirectPlugin() {
  Stop();
  g = previousRecord_;
}

void DirectPlugin::Restart(simhost::HostConfig config) {
  Stop();
  Start(std::move(config));
}

void DirectPlugin::Start(simhost::HostConfig config) {
  host_.reset(new simhost::Host(std::move(config)));
  for (int i = 0; i < kImportCount; ++i)
    if (host_->suites().Acquire(imports[i].name, imports[i].version, imports[i].target) != kSPNoError)
      *imports[i].target = nullptr;
  sSPBasic = host_->basicSuite();
  // The record starts blank, as PluginMain allocates it, and start-up fills it from the
  // host. A start-up the host makes fail (a withheld suite) has read the host's version
  // and language before it fails.
  record_ = PluginGlobals{};
  g = &record_;
  SPInterfaceMessage message{};
  message.d.self = host_->pluginRef();
  message.d.basic = sSPBasic;
  message.d.globals = g;
  try {
    pluginStartup(&message);
  } catch (...) {
  }
}

void DirectPlugin::Stop() {
  for (int i = 0; i < kImportCount; ++i) *imports[i].target = nullptr;
  host_.reset();  // one host at a time: the next one becomes current as it is made
}

}  // namespace testing_support
