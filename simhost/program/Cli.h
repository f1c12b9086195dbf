// The kestrune-host program: global options, the command table, and the shared
// steps every command takes (start a host, show dialogs, shut down).
#ifndef KESTRUNE_SIMHOST_CLI_H
#define KESTRUNE_SIMHOST_CLI_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Host.h"
#include "suites/UserInterface.h"

namespace cli {

struct Options {
  simhost::HostConfig config;
  std::string pluginPath;                // empty: Kestrune.aip beside the program
  std::optional<bool> answer;            // --yes / --no
  std::vector<simhost::Answer> answers;  // --answers LIST, used first
  struct OpenDocument {
    std::string path;
    bool modified;  // --open-modified
  };
  std::vector<OpenDocument> openDocuments;  // open before the command, in order
  bool fastTimer = false;                   // tick as fast as possible instead of at the period
  std::string captureProgress;              // folder for what the progress window shows; empty: none
  std::vector<std::string> missingFonts;
  std::vector<std::string> installedFonts;
  struct Failure {
    std::string point;
    AIErr status;
    int nth = 0;  // 0: every call; else only the nth call since the host started
  };
  std::vector<Failure> failures;  // --fail POINT[@N][=CODE]
};

// A command's arguments are what follows its name; it returns the exit status.
typedef int (*CommandFunction)(const Options& options, const std::vector<std::string>& args);

struct Command {
  const char* name;
  const char* arguments;  // for the usage, e.g. "FILE"
  const char* summary;
  CommandFunction run;
};

// Commands live in files of their own and register themselves at start.
struct CommandRegistration {
  explicit CommandRegistration(const Command& command);
};

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitValidator = 3;  // the plug-in did what the host refuses

// True once any host of this program has reported a validator failure.
bool ValidatorFailed();
// True once a host of this program refused an option only it could check.
bool UsageFailed();

// Prints the usage to standard error and returns kExitUsage.
int UsageError(const std::string& message);

// A host with the options applied, its dialogs shown on standard output and its
// validator failures on standard error. With
// loadPlugin, the plug-in is loaded (a message and null on failure).
std::unique_ptr<simhost::Host> MakeHost(const Options& options, bool loadPlugin);
// Loads and starts the plug-in, sets the --fail rules on the plug-in's own events
// and opens the --open documents; false with a message when any of it fails.
bool StartPlugin(simhost::Host& host, const Options& options);

// "STOP" and 0x53544f50 for a four-character status.
std::string FourCharText(AIErr status);

}  // namespace cli

#endif
