// Document notifications: registration and the enabling of "Save as...".
#ifndef KESTRUNE_NOTIFIERHANDLER_H
#define KESTRUNE_NOTIFIERHANDLER_H

#include "AINotifier.h"
#include "SPMessages.h"

SPErr addNotifiers(SPInterfaceMessage* message);
SPErr goNotifier(AINotifierMessage* message);

#endif
