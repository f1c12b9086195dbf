// kestrune-host play FILE: opens FILE and plays the recorded step "KESTRUNE_SAVEAS"
// the way the host plays a recorded action by itself, then prints the result code.
#include <cstdio>

#include "suites/Actions.h"
#include "program/Cli.h"
#include "program/DocumentOptions.h"
#include "documents/Documents.h"

namespace cli {
namespace {

int RunPlay(const Options& options, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("play needs FILE");
  std::unique_ptr<simhost::Host> host = StartWithDocument(options, args[0]);
  if (!host) return kExitFailure;
  size_t before = host->documents().savedFiles().size();
  // The step was recorded with an empty parameter block, and plays back with one.
  ActionParamValue recorded;
  ASErr result = host->actions().Play("KESTRUNE_SAVEAS", kDialogOff, &recorded);
  const auto& saved = host->documents().savedFiles();
  for (size_t i = before; i < saved.size(); ++i) std::printf("Saved: %s\n", saved[i].c_str());
  std::printf("KESTRUNE_SAVEAS returned %s\n", result == kNoErr ? "0 0x00000000" : FourCharText(result).c_str());
  std::fflush(stdout);
  host->Shutdown();
  return kExitOk;
}

const CommandRegistration kPlay({"play", "FILE", "open FILE and play the recorded step KESTRUNE_SAVEAS", RunPlay});

}  // namespace
}  // namespace cli
