// Loading the plug-in with LoadLibraryW: the path as UTF-16, never a local code page.
#include <windows.h>

#include "os/Module.h"
#include "os/windows/WideStrings.h"

namespace simhost {
namespace os {

LoadedModule* LoadModule(const std::string& utf8Path, std::string* error) {
  HMODULE module = LoadLibraryW(Wide(utf8Path).c_str());
  if (module == nullptr && error != nullptr) *error = LastErrorText();
  return reinterpret_cast<LoadedModule*>(module);
}

void* FindSymbol(LoadedModule* module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

void UnloadModule(LoadedModule* module) {
  if (module != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(module));
}

}  // namespace os
}  // namespace simhost
