// kestrune-host demo: a recursive bulk update of a freshly written sample folder,
// confirmations answered yes, and the activity log it left.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "program/BulkRun.h"
#include "program/DocumentOptions.h"
#include "documents/Samples.h"
#include "os/Files.h"

namespace cli {
namespace {

int RunDemo(const Options& given, const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("demo takes no arguments");
  Options options = given;
  options.answer = true;

  std::string folder;
  if (!simhost::os::MakeUniqueFolder(simhost::os::TemporaryFolder(), "kestrune-demo-", &folder)) {
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

  // Named as the plug-in names it, with the system's separator.
  const std::string logPath = folder + simhost::os::PathSeparator() + "Kestrune.log";
  std::ifstream log(simhost::os::NativePath(logPath), std::ios::binary);
  std::stringstream lines;
  lines << log.rdbuf();
  std::printf("Activity log %s:\n%s\n", logPath.c_str(), lines.str().c_str());
  return kExitOk;
}

const CommandRegistration kDemo({"demo", "", "write sample documents into a new folder, bulk-update it, print the log",
                                 RunDemo});

}  // namespace
}  // namespace cli
