// Timer: periodic "AI Timer"/"AI Go" calls. Periods are in ticks, 60 to the second.
#ifndef KESTRUNE_HOST_AITIMER_H
#define KESTRUNE_HOST_AITIMER_H

#include "AITypes.h"
#include "SPMessages.h"

#define kAITimerSuite "AI Timer Suite"
#define kAITimerSuiteVersion AIAPI_VERSION(5)

constexpr ai::int32 kTicksPerSecond = 60;

typedef struct {
  AIAPI AIErr (*AddTimer)(SPPluginRef self, const char* name, ai::int32 period, AITimerHandle* timer);
  AIAPI AIErr (*SetTimerActive)(AITimerHandle timer, AIBoolean active);
  AIAPI AIErr (*SetTimerPeriod)(AITimerHandle timer, ai::int32 period);
} AITimerSuite;

#endif
