// Start-up, shut-down and the host's unload/reload of the plug-in's code.
#ifndef KESTRUNE_PLUGINHANDLER_H
#define KESTRUNE_PLUGINHANDLER_H

#include "SPMessages.h"

SPErr pluginStartup(SPInterfaceMessage* message);
void pluginShutdown(SPInterfaceMessage* message);
SPErr goAbout(SPInterfaceMessage* message);
SPErr reloadPluginSuiteFunctions(SPAccessMessage* message);
void unloadPluginSuiteFunctions(SPAccessMessage* message);

// Whether this host version gets the plug-in's menus, timer, actions and notifiers.
bool IsSupportedHostVersion(ai::int32 major, ai::int32 minor);

#endif
