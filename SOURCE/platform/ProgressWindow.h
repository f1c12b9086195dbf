// The progress window of a bulk update: a title, a message line, a bar from 0 to
// 100 percent and a way for the user to abort. One exists at a time; each platform
// realises it its own way (a dialog, a panel, the terminal).
#ifndef KESTRUNE_PLATFORM_PROGRESSWINDOW_H
#define KESTRUNE_PLATFORM_PROGRESSWINDOW_H

#include "AITypes.h"

class ProgressWindow {
 public:
  // Shows the window at 0 percent, not aborted. abortAllowed offers the abort.
  static void Open(bool abortAllowed);
  // Repaints only when the whole percentage changes.
  static void SetProgressPercent(ai::int32 percent);
  // A Shift-JIS (or ASCII) text for the message line.
  static void SetProgressMessage(const char* text);
  // 1 once the user has asked to abort, until the window closes.
  // Every realisation must show the aborted state from then on, at the latest when this first reports it.
  static ai::int16 IsAborted();
  // Takes the window away. Whatever the platform catches for the Abort stays caught
  // (and does nothing) until ReleaseAbort, so that the run's end is not interrupted.
  static void Close();
  // Gives back to the host what the window caught for the Abort (a key, a signal):
  // once the run's summary has been shown, and at shut-down.
  static void ReleaseAbort();
  static bool IsOpen();
  // Puts the open window in front of the host's windows, with the keyboard, unless it stays in front by itself.
  static void BringToFront();
};

#endif
