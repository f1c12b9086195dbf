// Loading a binary (the plug-in) into the process and finding its functions.
#ifndef KESTRUNE_SIMHOST_OS_MODULE_H
#define KESTRUNE_SIMHOST_OS_MODULE_H

#include <string>

namespace simhost {
namespace os {

struct LoadedModule;

// Loads the binary at the UTF-8 path with all its references resolved now; null, with
// the system's reason in error, when it cannot be loaded.
LoadedModule* LoadModule(const std::string& utf8Path, std::string* error);
// The address of the exported function or variable of that name, or null.
void* FindSymbol(LoadedModule* module, const char* name);
// Unloads the binary; null is allowed. Addresses found in it are invalid afterwards.
void UnloadModule(LoadedModule* module);

}  // namespace os
}  // namespace simhost

#endif
