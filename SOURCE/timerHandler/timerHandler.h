// The bulk-update timer: its registration and its ticks.
#ifndef KESTRUNE_TIMERHANDLER_H
#define KESTRUNE_TIMERHANDLER_H

#include "AITimer.h"
#include "SPMessages.h"

#define kKestruneTimerName "KESTRUNE_TIMER"
constexpr ai::int32 kKestruneTimerPeriod = 60;

SPErr addTimers(SPInterfaceMessage* message);
SPErr goTimer(AITimerMessage* message);
// Ends the bulk update under way: releases the list, resets its state, closes the window.
void StopSpool();
// Plug-in shut-down during a bulk update: nothing may be left pointing into code
// the host is about to unload.
void EndBulkUpdateAtShutdown();

#endif
