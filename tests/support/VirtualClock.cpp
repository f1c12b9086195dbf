#include "VirtualClock.h"

#include "os/CalendarTime.h"
#include "platform/Clock.h"

namespace {
// 2026-12-09 10:00:00, a fixed start so that time stamps are predictable.
VirtualClockState gClock = {1796810400LL, 0, 0, nullptr};
}  // namespace

extern "C" VirtualClockState* KestruneVirtualClock() { return &gClock; }

namespace platform {

LocalTime CurrentLocalTime() {
  simhost::os::CalendarTime parts = simhost::os::UtcCalendarTime(gClock.nowSeconds);
  return LocalTime{static_cast<int>(parts.year), parts.month, parts.day, parts.hour, parts.minute, parts.second};
}

void SleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  if (gClock.onSleep != nullptr) gClock.onSleep(milliseconds);
  ++gClock.sleeps;
  gClock.sleptMilliseconds += milliseconds;
  gClock.nowSeconds += milliseconds / 1000;
}

}  // namespace platform
