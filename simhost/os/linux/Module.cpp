#include "os/Module.h"

#include <dlfcn.h>

namespace simhost {
namespace os {

// dlopen's handle is the module; the struct is never defined.
LoadedModule* LoadModule(const std::string& utf8Path, std::string* error) {
  void* handle = dlopen(utf8Path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && error != nullptr) {
    const char* why = dlerror();
    *error = why != nullptr ? why : "unknown error";
  }
  return static_cast<LoadedModule*>(handle);
}

void* FindSymbol(LoadedModule* module, const char* name) {
  return module == nullptr ? nullptr : dlsym(static_cast<void*>(module), name);
}

void UnloadModule(LoadedModule* module) {
  if (module != nullptr) dlclose(static_cast<void*>(module));
}

}  // namespace os
}  // namespace simhost
