#include "actionManagerHandler.h"

// The save command comes with its own change; until then a played action does nothing.
SPErr doAction(DoActionMessage*) { return kSPNoError; }
