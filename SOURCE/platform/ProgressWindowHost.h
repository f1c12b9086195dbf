// What the progress window needs of the host, which only the plug-in can ask for: the
// window that owns it, the module holding its resources and, on Windows, a place for
// the id of the timer that pumps its messages. Asked only inside a call from the host.
#ifndef KESTRUNE_PLATFORM_PROGRESSWINDOWHOST_H
#define KESTRUNE_PLATFORM_PROGRESSWINDOWHOST_H

#include <cstdint>

namespace platform {

// The host's main window, to own the progress window: an HWND on Windows, the stream (std::FILE*) a terminal host shows
// windows on; null when the host names none.
void* HostMainWindow();

// Windows only: the module the host loaded the plug-in from (an HINSTANCE), which holds the dialog resource; null until
// the host has named it.
void* PluginResourceModule();
// Windows only: keeps the running pump timer's id in the plug-in's record, or beside it while there is no record.
void KeepPumpTimerId(std::uintptr_t id);
// Windows only: hands back a kept pump timer id and forgets it; 0 once none is kept.
std::uintptr_t TakePumpTimerId();

}  // namespace platform

#endif
