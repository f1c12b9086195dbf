#include "program/BulkRun.h"

#include "suites/Encoding.h"
#include "suites/Menus.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"
#include "os/Windowing.h"

namespace cli {
namespace {

// The summary's first line, as the user reads it, in both languages.
const char* const kSummaryHeads[] = {"Bulk update completed.", "一括更新が終了しました。"};

bool IsSummary(const simhost::Dialog& dialog) {
  if (dialog.kind != simhost::DialogKind::Message) return false;
  for (const char* head : kSummaryHeads)
    if (dialog.text.compare(0, std::string(head).size(), head) == 0) return true;
  return false;
}

// The plug-in adds its two bulk commands under one item name, plain one first.
simhost::MenuItem* BulkCommand(simhost::Host& host, bool recursive) {
  int seen = 0;
  for (const auto& item : host.menus().items()) {
    if (item->name != "KESTRUNE_CONVERT") continue;
    if (seen++ == (recursive ? 1 : 0)) return item.get();
  }
  return nullptr;
}

// The application handles its events between ticks; a fast timer handles only those
// already waiting.
void WaitForTick(const simhost::Timer& timer, bool fast) {
  simhost::os::WaitHandlingEvents(fast ? 0 : static_cast<int>(1000LL * timer.period / kTicksPerSecond));
}

}  // namespace

BulkRunResult RunBulkUpdate(simhost::Host& host, const Options& options, const std::string& folder, bool recursive) {
  simhost::MenuItem* command = BulkCommand(host, recursive);
  simhost::Timer* timer = host.timers().FindByName("KESTRUNE_TIMER");
  if (command == nullptr || timer == nullptr) return BulkRunResult::kNotStarted;

  const size_t before = host.ui().dialogs().size();
  host.ui().QueueFolder(folder);
  host.menus().Choose(command);
  bool confirmed = false;
  for (size_t i = before; i < host.ui().dialogs().size(); ++i) {
    const simhost::Dialog& dialog = host.ui().dialogs()[i];
    if (dialog.kind == simhost::DialogKind::Confirm && dialog.answer == "yes") confirmed = true;
  }
  if (!confirmed) return BulkRunResult::kNotStarted;

  // Each file takes a few ticks; a run that goes on far beyond that is stuck. A tick
  // that asks the host for nothing does no work: a run waits so only while a step
  // keeps failing, and gives up after a few dozen such ticks. Past that the run is
  // over, also when its summary could not be shown. Idle ticks come without delay,
  // as nothing is drawn between them.
  const size_t limit = 100000;
  const int kIdleTicksAfterRun = 100;
  const int kIdleTicksBeforeHurrying = 3;
  int idle = 0;
  for (size_t tick = 0; tick < limit; ++tick) {
    const size_t seen = host.ui().dialogs().size();
    const long long callsBefore = host.hostCalls();
    WaitForTick(*timer, options.fastTimer || idle >= kIdleTicksBeforeHurrying);
    // A turn of the event loop: the host's own timer ticks beside the plug-in's.
    host.timers().TickRound();
    for (size_t i = seen; i < host.ui().dialogs().size(); ++i)
      if (IsSummary(host.ui().dialogs()[i])) return BulkRunResult::kFinished;
    idle = host.hostCalls() == callsBefore ? idle + 1 : 0;
    if (idle == kIdleTicksAfterRun) return BulkRunResult::kEndedUnseen;
  }
  return BulkRunResult::kUnfinished;
}

}  // namespace cli
