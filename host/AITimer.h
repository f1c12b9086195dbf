// Timer: periodic "AI Timer"/"AI Go" calls. Periods are in ticks, 60 to the second.
#ifndef KESTRUNE_HOST_AITIMER_H
#define KESTRUNE_HOST_AITIMER_H

#include "AITypes.h"
#include "SPMessages.h"

#define kAITimerSuite "AI Timer Suite"
#define kAITimerSuiteVersion AIAPI_VERSION(5)

constexpr ai::int32 kTicksPerSecond = 60;

typedef struct {
  // 0 and the timer's handle; the host then sends "AI Timer"/"AI Go" every period ticks until it quits.
  AIAPI AIErr (*AddTimer)(SPPluginRef self, const char* name, ai::int32 period, AITimerHandle* timer);
} AITimerSuite;

#endif
