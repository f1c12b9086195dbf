// The plug-in's suite variables, one per catalog row; null while the suite is not held.
// The plug-in defines them; the wrapper classes call through them.
#ifndef KESTRUNE_HOST_AISUITEVARIABLES_H
#define KESTRUNE_HOST_AISUITEVARIABLES_H

#include "pluginHandler/AISuiteCatalog.h"

#define KSR_DECLARE_SUITE_VARIABLE(type, name, version, var) extern const type* var;
KSR_SUITE_CATALOG(KSR_DECLARE_SUITE_VARIABLE)
#undef KSR_DECLARE_SUITE_VARIABLE

#endif
