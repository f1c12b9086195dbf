// Keeps the progress dialog responsive while the host is busy, and lets Escape abort
// a bulk update with the host or the dialog in front.
//
// A host idle in its own message loop takes an Escape press out of the queue itself,
// so the pump rarely sees it there. A keyboard hook on the host's thread sees every
// key message any loop of that thread takes out, and that thread only gets keys while
// one of its windows (the host's or the dialog) is in front. The pump keeps its own
// queue check for loops that peek without taking messages out.
#include <windows.h>

#include "ProgressDialogState.h"
#include "shellMain/PluginGlobals.h"

namespace {

constexpr UINT kPumpPeriodMilliseconds = 50;

HHOOK gEscapeHook = nullptr;
bool gPumping = false;
// Where the timer id lives when there is no record to keep it in.
UINT_PTR gPumpTimerWithoutRecord = 0;

bool IsEscapeDown(UINT message, WPARAM key) { return message == WM_KEYDOWN && key == VK_ESCAPE; }

void NoteEscape() {
  const ProgressDialogState& state = TheProgressDialog();
  if (state.dialog != nullptr && state.abortAllowed) AbortRequestedByUser();
}

// Called as a message is taken out of the queue (HC_ACTION); bit 31 clear is a press.
LRESULT CALLBACK EscapeHook(int code, WPARAM key, LPARAM flags) {
  if (code == HC_ACTION && key == VK_ESCAPE && (static_cast<ULONG_PTR>(flags) & 0x80000000u) == 0) NoteEscape();
  return CallNextHookEx(nullptr, code, key, flags);
}

UINT_PTR& PumpTimerId() { return g != nullptr ? g->pumpTimerId : gPumpTimerWithoutRecord; }

}  // namespace

void CALLBACK PumpMessages(HWND, UINT, UINT_PTR, DWORD) {
  // A timer message dispatched from inside the pump would start a second one.
  if (gPumping) return;
  gPumping = true;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The host's own loop must still see that it is asked to end.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (IsEscapeDown(message.message, message.wParam)) NoteEscape();
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  gPumping = false;
}

void StartMessagePump() {
  StopMessagePump();
  PumpTimerId() = SetTimer(nullptr, 0, kPumpPeriodMilliseconds, PumpMessages);
  if (TheProgressDialog().abortAllowed)
    gEscapeHook = SetWindowsHookExW(WH_KEYBOARD, EscapeHook, nullptr, GetCurrentThreadId());
}

void StopMessagePump() {
  UINT_PTR& id = PumpTimerId();
  if (id != 0) {
    KillTimer(nullptr, id);
    id = 0;
  }
  if (gPumpTimerWithoutRecord != 0) {
    KillTimer(nullptr, gPumpTimerWithoutRecord);
    gPumpTimerWithoutRecord = 0;
  }
  if (gEscapeHook != nullptr) {
    UnhookWindowsHookEx(gEscapeHook);
    gEscapeHook = nullptr;
  }
}
