#include "DirectPlugin.h"

#include "pluginHandler/Suites.h"

namespace testing_support {

DirectPlugin::DirectPlugin(simhost::HostConfig config) : host_(new simhost::Host(std::move(config))) {
  for (int i = 0; i < kImportCount; ++i)
    if (host_->suites().Acquire(imports[i].name, imports[i].version, imports[i].target) != kSPNoError)
      *imports[i].target = nullptr;
  globals_.appMajorVersion = host_->config().majorVersion;
  globals_.appMinorVersion = host_->config().minorVersion;
  globals_.appRevision = host_->config().revision;
  globals_.appLanguage = host_->config().language;
  previousGlobals_ = g;
  g = &globals_;
  sSPBasic = host_->basicSuite();
}

DirectPlugin::~DirectPlugin() {
  for (int i = 0; i < kImportCount; ++i) *imports[i].target = nullptr;
  g = previousGlobals_;
}

}  // namespace testing_support
