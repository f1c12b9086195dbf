#include "menuHandler.h"

// The commands arrive with the bulk update; until then choosing one does nothing.
SPErr goMenuItem(AIMenuMessage*) { return kSPNoError; }
