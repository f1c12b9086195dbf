#include "pluginHandler/AISuiteVariables.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"
#include "timerHandler.h"

SPErr addTimers(SPInterfaceMessage* message) {
  return Require(sTimer).AddTimer(message->d.self, kKestruneTimerName, kKestruneTimerPeriod, &g->bulkTimer);
}
