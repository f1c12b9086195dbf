// The host's timers. Tests tick them on demand; the program ticks them at their period.
#ifndef KESTRUNE_SIMHOST_TIMERS_H
#define KESTRUNE_SIMHOST_TIMERS_H

#include <memory>
#include <string>
#include <vector>

#include "AITimer.h"

namespace simhost {

class SuiteRegistry;

struct Timer {
  std::string name;
  ai::int32 period = 0;  // ticks of 1/60 second
  bool active = true;
  SPPluginRef plugin = nullptr;
};

class Timers {
 public:
  Timer* Add(const std::string& name, ai::int32 period, SPPluginRef plugin);
  Timer* Find(AITimerHandle handle) const;
  Timer* FindByName(const std::string& name) const;
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
  // Sends "AI Timer"/"AI Go" for one timer (when active); the plug-in's status.
  SPErr Tick(Timer* timer);
  // Ticks every active timer once.
  void TickAll();

 private:
  std::vector<std::unique_ptr<Timer>> timers_;
};

inline AITimerHandle HandleOf(Timer* timer) { return reinterpret_cast<AITimerHandle>(timer); }

void PublishTimerSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
