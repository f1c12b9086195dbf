// kestrune-host bulk-update: a bulk update of a folder, as a user would run it.
#include <cstdio>

#include "program/BulkRun.h"
#include "suites/FilePaths.h"
#include "os/Files.h"

namespace cli {
namespace {

int RunBulkUpdateCommand(const Options& options, const std::vector<std::string>& args) {
  bool recursive = false;
  std::string folder;
  for (const std::string& arg : args) {
    if (arg == "--recursive") {
      recursive = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return UsageError("bulk-update: unknown option " + arg);
    } else if (folder.empty()) {
      folder = arg;
    } else {
      return UsageError("bulk-update takes one folder");
    }
  }
  if (folder.empty()) return UsageError("bulk-update needs a folder");
  if (simhost::os::KindOfPath(folder, true) != simhost::os::PathKind::kFolder) {
    std::fprintf(stderr, "kestrune-host: %s is not a folder\n", folder.c_str());
    return kExitFailure;
  }
  std::unique_ptr<simhost::Host> host = MakeHost(options, true);
  if (!host) return kExitFailure;
  BulkRunResult result = RunBulkUpdate(*host, options, simhost::FullPathOf(folder), recursive);
  host->Shutdown();
  switch (result) {
    case BulkRunResult::kFinished:
      return kExitOk;
    case BulkRunResult::kNotStarted:
      std::fprintf(stderr, "kestrune-host: no bulk update ran\n");
      return kExitFailure;
    case BulkRunResult::kEndedUnseen:
      std::fprintf(stderr, "kestrune-host: the bulk update ended without showing its summary\n");
      return kExitFailure;
    case BulkRunResult::kUnfinished:
      std::fprintf(stderr, "kestrune-host: the bulk update did not finish\n");
      return kExitFailure;
  }
  return kExitFailure;
}

const CommandRegistration kBulkUpdate({"bulk-update", "[--recursive] FOLDER",
                                       "update every .ai file of FOLDER (and its subfolders)", RunBulkUpdateCommand});

}  // namespace
}  // namespace cli
