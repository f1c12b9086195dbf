// What the shell calls: the routines PluginMain hands the host's calls to, and those
// start-up and shut-down call in turn. Each is defined by the module that owns it. They
// are declared here, beside the record, so that the shell includes no module while every
// module may include the shell: the modules' folders never include each other in a circle.
#ifndef KESTRUNE_HANDLERS_H
#define KESTRUNE_HANDLERS_H

#include "AIActionManager.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AITimer.h"
#include "SPBasic.h"
#include "SPMessages.h"

// pluginHandler: the suites around every call but "SP Access" ones.
SPErr acquireSuites(SPBasicSuite* basic);
void releaseSuites(SPBasicSuite* basic);

// pluginHandler: the plug-in's life.
SPErr pluginStartup(SPInterfaceMessage* message);
void pluginShutdown(SPInterfaceMessage* message);
SPErr goAbout(SPInterfaceMessage* message);
SPErr reloadPluginSuiteFunctions(SPAccessMessage* message);
void unloadPluginSuiteFunctions(SPAccessMessage* message);
// A call that failed with a status the user should see, in the host's error alert;
// nothing without the User suite.
void ShowErrorAlert(SPErr error, const char* caller, const char* selector);

// Registrations start-up makes, in this order.
SPErr addMenu(SPInterfaceMessage* message);       // menuHandler
SPErr addTimers(SPInterfaceMessage* message);     // timerHandler
SPErr addAction(SPInterfaceMessage* message);     // actionManagerHandler
SPErr addNotifiers(SPInterfaceMessage* message);  // notifierHandler

// The host's calls, by caller and selector.
SPErr goMenuItem(AIMenuMessage* message);      // "AI Menu"/"AI Go": menuHandler
SPErr updateMenuItem(AIMenuMessage* message);  // "AI Menu"/"AI Update": menuHandler
SPErr goTimer(AITimerMessage* message);        // "AI Timer"/"AI Go": timerHandler
SPErr goNotifier(AINotifierMessage* message);  // "AI Notifier"/"AI Notify": notifierHandler
SPErr doAction(DoActionMessage* message);      // "Action Manager"/"Do Action": actionManagerHandler

// timerHandler: shut-down during a bulk update. Nothing may be left pointing into code
// the host is about to unload.
void EndBulkUpdateAtShutdown();

#endif
