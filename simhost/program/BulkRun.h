// Running a bulk update as a user would: choose the command, answer the folder
// chooser, and let the host's timer tick until the summary has been shown.
#ifndef KESTRUNE_SIMHOST_CLI_BULKRUN_H
#define KESTRUNE_SIMHOST_CLI_BULKRUN_H

#include <string>

#include "program/Cli.h"

namespace cli {

enum class BulkRunResult {
  kFinished,     // the run ended with its summary
  kNotStarted,   // no command, a declined confirmation, or no files
  kEndedUnseen,  // the run ended (its ticks ask the host for nothing) but no summary was shown
  kUnfinished,   // the run did not end within its bound of ticks
};

BulkRunResult RunBulkUpdate(simhost::Host& host, const Options& options, const std::string& folder, bool recursive);

}  // namespace cli

#endif
