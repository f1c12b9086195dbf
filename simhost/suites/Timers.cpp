#include "suites/Timers.h"

#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"

namespace simhost {

Timers::Timers() : hostTimer_{kHostTimerName, kTicksPerSecond, nullptr} {}

Timer* Timers::Add(const std::string& name, ai::int32 period, SPPluginRef plugin) {
  timers_.push_back(std::make_unique<Timer>(Timer{name, period, plugin, 0, 0}));
  return timers_.back().get();
}

Timer* Timers::Find(AITimerHandle handle) const {
  for (const auto& timer : timers_)
    if (HandleOf(timer.get()) == handle) return timer.get();
  return nullptr;
}

Timer* Timers::FindByName(const std::string& name) const {
  for (const auto& timer : timers_)
    if (timer->name == name) return timer.get();
  return nullptr;
}

SPErr Timers::Tick(Timer* timer) {
  if (timer == nullptr) return kNoErr;
  if (timer == &hostTimer_ && timers_.empty()) return kNoErr;
  Host& host = Host::Current();
  ++timer->ticks;
  if (host.callDepth() > 0) ++timer->nestedTicks;
  AITimerMessage message{};
  message.timer = HandleOf(timer);
  return host.Send(kCallerAITimer, kSelectorAIGoTimer, &message.d);
}

void Timers::TickAll() {
  for (size_t i = 0; i < timers_.size(); ++i) Tick(timers_[i].get());
}

void Timers::TickRound() {
  Tick(&hostTimer_);
  TickAll();
}

namespace {

AIErr AddTimer(SPPluginRef self, const char* name, ai::int32 period, AITimerHandle* timer) {
  if (name == nullptr || timer == nullptr || period <= 0) return kBadParameterErr;
  *timer = HandleOf(Host::Current().timers().Add(name, period, self));
  return kNoErr;
}

}  // namespace

void PublishTimerSuites(SuiteRegistry& registry) {
  registry.Publish(Lend<AITimerSuite>(kAITimerSuite, kAITimerSuiteVersion, Fails<&AITimerSuite::AddTimer, AddTimer>()));
}

}  // namespace simhost
