// The host's timers. Tests tick them on demand; the program ticks them at their period.
// Beside the timers plug-ins add, the host keeps one of its own whose ticks reach
// every plug-in that added a timer, as "AI Timer"/"AI Go" with that timer's handle:
// a plug-in must tell its own timer by the handle.
#ifndef KESTRUNE_SIMHOST_TIMERS_H
#define KESTRUNE_SIMHOST_TIMERS_H

#include <memory>
#include <string>
#include <vector>

#include "AITimer.h"

namespace simhost {

class SuiteRegistry;

// The name of the host's own timer.
constexpr const char kHostTimerName[] = "HOST_IDLE_TIMER";

struct Timer {
  std::string name;
  ai::int32 period = 0;          // ticks of 1/60 second
  SPPluginRef plugin = nullptr;  // null for the host's own timer
  int ticks = 0;                 // ticks sent
  int nestedTicks = 0;           // of them, sent while another call into the plug-in was under way
};

class Timers {
 public:
  Timers();
  Timer* Add(const std::string& name, ai::int32 period, SPPluginRef plugin);
  Timer* Find(AITimerHandle handle) const;
  Timer* FindByName(const std::string& name) const;
  // The timers plug-ins added, in the order they were added.
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
  Timer* hostTimer() { return &hostTimer_; }
  // Sends "AI Timer"/"AI Go" for one timer; the plug-in's status. The
  // host's own timer reaches the plug-in only once it has added a timer.
  SPErr Tick(Timer* timer);
  // Ticks every timer a plug-in added once.
  void TickAll();
  // One turn of the application's event loop: the host's own timer, then every
  // timer a plug-in added.
  void TickRound();

 private:
  Timer hostTimer_;
  std::vector<std::unique_ptr<Timer>> timers_;
};

inline AITimerHandle HandleOf(Timer* timer) { return reinterpret_cast<AITimerHandle>(timer); }

void PublishTimerSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
