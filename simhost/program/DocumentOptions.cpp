#include "program/DocumentOptions.h"

#include <cstdio>

#include "documents/Documents.h"
#include "documents/Fonts.h"
#include "os/InstalledFonts.h"

namespace cli {

void ApplyFontOptions(simhost::Fonts& fonts, const Options& options) {
  fonts.probe = simhost::os::FontIsInstalled;
  for (const std::string& name : options.installedFonts) fonts.SetInstalled(name, true);
  for (const std::string& name : options.missingFonts) fonts.SetInstalled(name, false);
}

std::string VersionText(const simhost::HostConfig& config) {
  return std::to_string(config.majorVersion) + "." + std::to_string(config.minorVersion) + "." +
         std::to_string(config.revision);
}

std::unique_ptr<simhost::Host> StartWithDocument(const Options& options, const std::string& file) {
  std::unique_ptr<simhost::Host> host = MakeHost(options, false);
  if (!StartPlugin(*host, options)) return nullptr;
  if (AIErr err = host->documents().Open(file)) {
    ReportFailure(file, "cannot open: " + host->documents().lastProblem, err);
    host->Shutdown();
    return nullptr;
  }
  return host;
}

void ReportFailure(const std::string& what, const std::string& problem, AIErr status) {
  std::fprintf(stderr, "kestrune-host: %s: %s (%s)\n", what.c_str(), problem.c_str(), FourCharText(status).c_str());
}

}  // namespace cli
