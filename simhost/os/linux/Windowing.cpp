// A terminal for a window system: no main window, plain waiting, and the progress
// window (the plug-in's drawing on standard error) told where to put its lines.
#include "os/Windowing.h"

#include <stdlib.h>
#include <time.h>

#include "os/Files.h"

namespace simhost {
namespace os {

void* MainWindow() { return nullptr; }

void WaitHandlingEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec rest {
    milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L
  };
  while (nanosleep(&rest, &rest) != 0) {
  }
}

// The terminal progress window writes each line it draws into the folder named here.
bool CaptureProgressWindow(const std::string& folder) {
  if (KindOfPath(folder, true) != PathKind::kFolder) return false;
  std::string absolute = folder;
  if (!IsAbsolutePath(absolute)) absolute = WorkingFolder() + "/" + folder;
  return setenv("KESTRUNE_CAPTURE_PROGRESS", absolute.c_str(), 1) == 0;
}

}  // namespace os
}  // namespace simhost
