// The application's window system: its main window, its event loop between timer
// ticks, and a record of what the plug-in's progress window shows.
#ifndef KESTRUNE_SIMHOST_OS_WINDOWING_H
#define KESTRUNE_SIMHOST_OS_WINDOWING_H

#include <string>

namespace simhost {
namespace os {

// The application's main window (made on first use), which owns the plug-in's
// dialogs; on a terminal, the stream (a FILE*) the plug-in's windows are drawn on.
void* MainWindow();
// Waits the time while handling the window system's events (0: only those pending),
// so that the plug-in's timers and windows run as in the application.
void WaitHandlingEvents(int milliseconds);
// From now on writes what the progress window shows at each repaint into the folder,
// numbered: 24-bit BMP files of the dialog on Windows, text files of the line drawn on
// the main window's stream on a terminal. False when the folder cannot be used.
bool CaptureProgressWindow(const std::string& folder);

}  // namespace os
}  // namespace simhost

#endif
