#include "notifierHandler.h"

// Following the current document comes with the save command.
SPErr goNotifier(AINotifierMessage*) { return kSPNoError; }
