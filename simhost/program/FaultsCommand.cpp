// kestrune-host faults: every point --fail accepts, one a line; the plug-in is
// started so that the events it registers are listed too.
#include <cstdio>

#include "program/Cli.h"

namespace cli {
namespace {

int RunFaults(const Options& options, const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("faults takes no arguments");
  std::unique_ptr<simhost::Host> host = MakeHost(options, true);
  if (!host) return kExitFailure;
  for (const std::string& point : host->faults().Points()) std::printf("%s\n", point.c_str());
  std::fflush(stdout);
  host->Shutdown();
  return kExitOk;
}

const CommandRegistration kFaults({"faults", "", "list every point --fail accepts", RunFaults});

}  // namespace
}  // namespace cli
