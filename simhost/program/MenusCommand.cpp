// kestrune-host menus: what the plug-in registers with the host at start-up.
#include <cstdio>

#include "suites/Actions.h"
#include "program/Cli.h"
#include "suites/Menus.h"
#include "suites/Notifiers.h"
#include "suites/Timers.h"

namespace cli {
namespace {

int RunMenus(const Options& options, const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("menus takes no arguments");
  std::unique_ptr<simhost::Host> host = MakeHost(options, true);
  if (!host) return kExitFailure;

  std::printf("Host %s, language %s\n\n", host->VersionString().c_str(), options.config.language == 1 ? "ja" : "en");
  std::printf("Menus:\n");
  // Listed as the user sees them opened: after the plug-in's "AI Update".
  host->menus().Show();
  std::string tree = host->menus().Describe();
  std::printf("%s", tree.empty() ? "  (none)\n" : tree.c_str());
  std::printf("\nTimers:\n");
  if (host->timers().timers().empty()) std::printf("  (none)\n");
  for (const auto& timer : host->timers().timers())
    std::printf("  %s  period %d\n", timer->name.c_str(), static_cast<int>(timer->period));
  std::printf("\nActions:\n");
  if (host->actions().events().empty()) std::printf("  (none)\n");
  for (const auto& event : host->actions().events())
    std::printf("  %s  \"%s\"\n", event->name.c_str(), event->title.c_str());
  std::printf("\nNotifiers:\n");
  if (host->notifiers().notifiers().empty()) std::printf("  (none)\n");
  for (const auto& notifier : host->notifiers().notifiers())
    std::printf("  %s  <- %s\n", notifier->name.c_str(), notifier->type.c_str());
  std::fflush(stdout);

  SPErr status = host->Shutdown();
  return status == kNoErr ? kExitOk : kExitFailure;
}

const CommandRegistration kMenus({"menus", "", "start the plug-in, list what it registered, shut it down", RunMenus});

}  // namespace
}  // namespace cli
