// The plug-in's entry point: the only symbol the binary exports.
#ifndef KESTRUNE_PLUGINMAIN_H
#define KESTRUNE_PLUGINMAIN_H

#include "AITypes.h"

// How a function is marked for export differs by binary format; the platform's build
// defines KSR_EXPORT.
#ifndef KSR_EXPORT
#error "KSR_EXPORT is defined by the platform's build"
#endif

extern "C" KSR_EXPORT SPErr PluginMain(const char* caller, const char* selector, void* message);

SPErr handlePluginCaller(const char* caller, const char* selector, void* message);

#endif
