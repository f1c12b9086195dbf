// The bulk-update timer. Its registration and its ticks are declared with the shell's
// calls (shellMain/Handlers.h).
#ifndef KESTRUNE_TIMERHANDLER_H
#define KESTRUNE_TIMERHANDLER_H

#include "AITypes.h"

#define kKestruneTimerName "KESTRUNE_TIMER"
constexpr ai::int32 kKestruneTimerPeriod = 60;

// Ends the bulk update under way: releases the list, resets its state, closes the window.
void StopSpool();

#endif
