// Keeps the progress dialog responsive while the host is busy, and lets Escape abort
// a bulk update when the key is meant for the run.
//
// A host idle in its own message loop takes an Escape press out of the queue itself,
// so the pump rarely sees it there. A keyboard hook on the host's thread sees every
// key message any loop of that thread takes out, the plug-in's own alerts and the
// host's panels included; so it aborts only for a key that goes to the host's main
// window (not to a field in it) or to the progress dialog while no modal dialog is
// up. The pump keeps its own queue check for loops that peek without taking messages
// out.
//
// Windows calls these procedures from its own frames, which no C++ exception may
// cross: each one catches everything.
#include <windows.h>

#include <cstdint>

#include "ProgressDialogState.h"
#include "platform/ProgressWindowHost.h"

namespace {

constexpr UINT kPumpPeriodMilliseconds = 50;

HHOOK gEscapeHook = nullptr;
bool gPumping = false;

bool IsEscapeDown(UINT message, WPARAM key) { return message == WM_KEYDOWN && key == VK_ESCAPE; }

void NoteEscapeTo(HWND receiver) {
  if (EscapeAbortsTheRun(receiver)) AbortRequestedByUser();
}

// Called as a message is taken out of the queue (HC_ACTION); bit 31 clear is a press.
// The key goes to the window that has the keyboard focus.
LRESULT CALLBACK EscapeHook(int code, WPARAM key, LPARAM flags) {
  try {
    if (code == HC_ACTION && key == VK_ESCAPE && (static_cast<ULONG_PTR>(flags) & 0x80000000u) == 0)
      NoteEscapeTo(GetFocus());
  } catch (...) {
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

// A control that takes typed text, or every key, keeps Escape for itself.
bool KeepsEscape(HWND control) {
  const LRESULT wants = SendMessageW(control, WM_GETDLGCODE, VK_ESCAPE, 0);
  return (wants & (DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

}  // namespace

bool EscapeAbortsTheRun(HWND receiver) {
  const ProgressDialogState& state = TheProgressDialog();
  if (state.dialog == nullptr || !state.abortAllowed || receiver == nullptr) return false;
  // A modal dialog disables the window it is modal to: the host's, or ours.
  const HWND host = GetWindow(state.dialog, GW_OWNER);
  if (!IsWindowEnabled(state.dialog) || (host != nullptr && !IsWindowEnabled(host))) return false;
  if (receiver == state.dialog || IsChild(state.dialog, receiver)) return true;
  if (host == nullptr) return false;
  return receiver == host || (IsChild(host, receiver) && !KeepsEscape(receiver));
}

void CALLBACK PumpMessages(HWND, UINT, UINT_PTR, DWORD) {
  // A timer message dispatched from inside the pump would start a second one.
  if (gPumping) return;
  gPumping = true;
  try {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The host's own loop must still see that it is asked to end.
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (IsEscapeDown(message.message, message.wParam)) NoteEscapeTo(message.hwnd);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  } catch (...) {
  }
  gPumping = false;
}

// Started only once the dialog exists: there is nothing to pump or abort without it.
void StartMessagePump() {
  StopMessagePump();
  platform::KeepPumpTimerId(SetTimer(nullptr, 0, kPumpPeriodMilliseconds, PumpMessages));
  if (TheProgressDialog().abortAllowed)
    gEscapeHook = SetWindowsHookExW(WH_KEYBOARD, EscapeHook, nullptr, GetCurrentThreadId());
}

void StopMessagePump() {
  // More than one id may be kept: one started before the record existed among them.
  for (std::uintptr_t id = platform::TakePumpTimerId(); id != 0; id = platform::TakePumpTimerId())
    KillTimer(nullptr, id);
  if (gEscapeHook != nullptr) {
    UnhookWindowsHookEx(gEscapeHook);
    gEscapeHook = nullptr;
  }
}
