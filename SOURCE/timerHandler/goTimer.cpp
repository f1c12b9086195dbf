#include "timerHandler.h"

// Ticks do nothing until a bulk update can run.
SPErr goTimer(AITimerMessage*) { return kSPNoError; }

void EndBulkUpdateAtShutdown() {}
