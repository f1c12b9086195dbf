// A clock for tests: pauses advance it instead of blocking. The test build of the
// plug-in exports it so that tests driving the binary can read and set it.
#ifndef KESTRUNE_TESTS_VIRTUALCLOCK_H
#define KESTRUNE_TESTS_VIRTUALCLOCK_H

struct VirtualClockState {
  long long nowSeconds;               // seconds since 1970, read as local time
  long long sleptMilliseconds;        // all pauses taken so far
  int sleeps;                         // number of pauses
  void (*onSleep)(int milliseconds);  // when set, called at each pause, as it begins
};

#include "shellMain/PluginMain.h"

#define kVirtualClockEntryName "KestruneVirtualClock"
typedef VirtualClockState* (*VirtualClockEntry)();

// KSR_EXPORT comes from the platform's build.
extern "C" KSR_EXPORT VirtualClockState* KestruneVirtualClock();

#endif
