// The last guard before the code leaves memory: a host that unloads the plug-in in
// the middle of a bulk update (without a shut-down first) must not be left with a
// timer, hook or dialog procedure pointing into freed code.
#include <windows.h>

#include "platform/ProgressWindow.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // reserved is null when FreeLibrary unloads the module; at process exit there is
  // nothing left to call back.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) ProgressWindow::Close();
  return TRUE;
}
