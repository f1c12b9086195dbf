// The plug-in's entry point: the only symbol the binary exports.
#ifndef KESTRUNE_PLUGINMAIN_H
#define KESTRUNE_PLUGINMAIN_H

#include "AITypes.h"

#if defined(_WIN32)
#define KSR_EXPORT __declspec(dllexport)
#else
#define KSR_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KSR_EXPORT SPErr PluginMain(const char* caller, const char* selector, void* message);

SPErr handlePluginCaller(const char* caller, const char* selector, void* message);

#endif
