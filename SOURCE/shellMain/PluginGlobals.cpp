#include "PluginGlobals.h"

PluginGlobals* g = nullptr;
SPBasicSuite* sSPBasic = nullptr;
ai::int16 gAcquireCount = 0;
