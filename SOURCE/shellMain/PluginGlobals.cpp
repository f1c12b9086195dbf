#include "PluginGlobals.h"

PluginGlobals* g = nullptr;
BulkRunState gBulkRun = {};
SPBasicSuite* sSPBasic = nullptr;
ai::int16 gAcquireCount = 0;
