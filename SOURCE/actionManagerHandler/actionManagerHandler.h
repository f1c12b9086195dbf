// The plug-in's actions and the save command they run.
#ifndef KESTRUNE_ACTIONMANAGERHANDLER_H
#define KESTRUNE_ACTIONMANAGERHANDLER_H

#include "AIActionManager.h"
#include "SPMessages.h"

#define kKestruneInsideCommand "KESTRUNE_INSIDECMD"
#define kKestruneSaveAsAction "KESTRUNE_SAVEAS"

SPErr addAction(SPInterfaceMessage* message);
SPErr doAction(DoActionMessage* message);

#endif
