#include "VirtualClock.h"

#include <time.h>

#include "platform/Clock.h"

namespace {
// 2026-12-09 10:00:00, a fixed start so that time stamps are predictable.
VirtualClockState gClock = {1796810400LL, 0, 0};
}  // namespace

extern "C" VirtualClockState* KestruneVirtualClock() { return &gClock; }

namespace platform {

LocalTime CurrentLocalTime() {
  time_t now = static_cast<time_t>(gClock.nowSeconds);
  struct tm parts {};
  gmtime_r(&now, &parts);
  return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

void SleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  ++gClock.sleeps;
  gClock.sleptMilliseconds += milliseconds;
  gClock.nowSeconds += milliseconds / 1000;
}

}  // namespace platform
