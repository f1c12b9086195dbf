// What the progress dialog, its message pump and its Escape watch share. All of it
// lives on the host's thread.
#ifndef KESTRUNE_WINDOWS_PROGRESSDIALOGSTATE_H
#define KESTRUNE_WINDOWS_PROGRESSDIALOGSTATE_H

#include <windows.h>

#include "AITypes.h"

struct ProgressDialogState {
  HWND dialog = nullptr;
  bool abortAllowed = false;
  ai::int16 aborted = 0;
  ai::int32 percent = 0;
};

ProgressDialogState& TheProgressDialog();

// The user asked to abort (button, cancel command or Escape): honoured only while
// abort is allowed; the button is disabled either way, so it cannot be pressed twice.
void AbortRequestedByUser();

// Whether an Escape press that goes to receiver aborts the run: abort allowed, the
// key meant for the host's main window (not a text field in it) or the dialog, and no
// modal dialog up.
bool EscapeAbortsTheRun(HWND receiver);

// The 50 ms thread timer that keeps messages flowing during a bulk update, and the
// watch on Escape. Started with the dialog, stopped before it is destroyed; Stop is
// safe to call at any time.
void StartMessagePump();
void StopMessagePump();

// The timer procedure: drains and dispatches the thread's queue.
void CALLBACK PumpMessages(HWND, UINT, UINT_PTR, DWORD);

#endif
