// kestrune-host demo: a recursive bulk update of a freshly written sample folder,
// confirmations answered yes, and the activity log it left.
#include <cstdio>

#include "program/BulkRun.h"
#include "program/DocumentOptions.h"
#include "documents/Samples.h"
#include "system/HostSystem.h"

namespace cli {
namespace {

int RunDemo(const Options& given, const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("demo takes no arguments");
  Options options = given;
  options.answer = true;

  const std::string folder = simhost::host_system::MakeTemporaryFolder("demo");
  if (folder.empty()) {
    std::fprintf(stderr, "kestrune-host: cannot make a folder for the samples\n");
    return kExitFailure;
  }
  std::vector<std::string> written;
  std::string error;
  if (!simhost::WriteSamples(folder, VersionText(options.config), &written, &error)) {
    std::fprintf(stderr, "kestrune-host: %s\n", error.c_str());
    return kExitFailure;
  }
  std::printf("Sample documents written to %s\n\n", folder.c_str());
  std::fflush(stdout);

  std::unique_ptr<simhost::Host> host = MakeHost(options, true);
  if (!host) return kExitFailure;
  BulkRunResult result = RunBulkUpdate(*host, options, folder, true);
  host->Shutdown();
  if (result != BulkRunResult::kFinished) {
    std::fprintf(stderr, "kestrune-host: the bulk update did not run to its end\n");
    return kExitFailure;
  }

  const std::string logPath = folder + simhost::host_system::PathSeparator() + "Kestrune.log";
  std::string lines;
  simhost::host_system::ReadWholeFile(logPath, &lines);
  std::printf("Activity log %s:\n%s\n", logPath.c_str(), lines.c_str());
  return kExitOk;
}

const CommandRegistration kDemo({"demo", "",
                                 "write sample documents into a new folder, bulk-update it, print the log",
                                 RunDemo});

}  // namespace
}  // namespace cli
