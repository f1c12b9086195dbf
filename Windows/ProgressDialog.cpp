// The progress window as a modeless dialog from the plug-in's resource 16207, owned
// by the host's main window, with a bar the plug-in paints itself.
#include <windows.h>

#include <string>

#include "ProgressBar.h"
#include "ProgressDialogState.h"
#include "ProgressResources.h"
#include "WideText.h"
#include "platform/ProgressWindow.h"
#include "platform/ProgressWindowHost.h"
#include "platform/ProgressWindowTexts.h"

namespace {

ProgressDialogState gState;

// The module holding the dialog resource: the one the host named, else this code's own.
HINSTANCE ResourceModule() {
  if (void* named = platform::PluginResourceModule()) return static_cast<HINSTANCE>(named);
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ResourceModule), &self);
  return self;
}

// A tenth of the owner's width and height in from its top-left corner, above every
// window that is not topmost itself. Without an owner the screen stands in for it.
void Place(HWND dialog) {
  RECT owner{};
  HWND ownerWindow = GetWindow(dialog, GW_OWNER);
  if (ownerWindow == nullptr || !GetWindowRect(ownerWindow, &owner)) GetWindowRect(GetDesktopWindow(), &owner);
  RECT own{};
  GetWindowRect(dialog, &own);
  const int x = owner.left + static_cast<int>(0.1 * (owner.right - owner.left));
  const int y = owner.top + static_cast<int>(0.1 * (owner.bottom - owner.top));
  SetWindowPos(dialog, HWND_TOPMOST, x, y, own.right - own.left, own.bottom - own.top, SWP_SHOWWINDOW);
}

void Initialise(HWND dialog) {
  Place(dialog);
  SetWindowTextW(dialog, WideFromShiftJIS(platform::ProgressWindowTitle()).c_str());
  SetDlgItemTextW(dialog, KSR_IDC_ABORT, WideFromShiftJIS(platform::ProgressWindowAbortLabel()).c_str());
  SetDlgItemTextW(dialog, KSR_IDC_MESSAGE, L"");
  ShowWindow(GetDlgItem(dialog, KSR_IDC_ABORT), gState.abortAllowed ? SW_SHOW : SW_HIDE);
}

// Runs inside whatever loop dispatches the dialog's messages, under Windows' own
// frames: nothing may be thrown out of it. A message whose handling failed counts as
// not handled.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        gState.dialog = dialog;
        Initialise(dialog);
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == KSR_IDC_ABORT) AbortRequestedByUser();
        return FALSE;
      case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item != nullptr && item->CtlID == KSR_IDC_BAR) progress_bar::Draw(item->hDC, item->rcItem, gState.percent);
        return TRUE;
      }
      default:
        return FALSE;
    }
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

ProgressDialogState& TheProgressDialog() { return gState; }

void AbortRequestedByUser() {
  if (gState.dialog == nullptr) return;
  if (gState.abortAllowed) gState.aborted = 1;
  EnableWindow(GetDlgItem(gState.dialog, KSR_IDC_ABORT), FALSE);
}

void ProgressWindow::Open(bool abortAllowed) {
  if (gState.dialog != nullptr) Close();
  gState.abortAllowed = abortAllowed;
  gState.aborted = 0;
  gState.percent = 0;
  HWND owner = static_cast<HWND>(platform::HostMainWindow());
  HWND dialog = CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(KSR_IDD_PROGRESS), owner, DialogProcedure, 0);
  gState.dialog = dialog;
  if (dialog == nullptr) return;
  ShowWindow(dialog, SW_SHOW);
  StartMessagePump();
}

// Marks the bar without erasing it; it is painted when the dialog next handles its
// paint messages, and only when the whole percentage changed.
void ProgressWindow::SetProgressPercent(ai::int32 percent) {
  if (percent == gState.percent) return;
  gState.percent = percent;
  if (gState.dialog != nullptr) InvalidateRect(GetDlgItem(gState.dialog, KSR_IDC_BAR), nullptr, FALSE);
}

// The text is Shift-JIS whatever the system's code page, so it is shown as UTF-16.
void ProgressWindow::SetProgressMessage(const char* text) {
  if (gState.dialog == nullptr) return;
  SetDlgItemTextW(gState.dialog, KSR_IDC_MESSAGE, WideFromShiftJIS(text != nullptr ? text : "").c_str());
}

ai::int16 ProgressWindow::IsAborted() { return gState.dialog != nullptr ? gState.aborted : 0; }

bool ProgressWindow::IsOpen() { return gState.dialog != nullptr; }

// The dialog is topmost: a document window the host brings forward stays behind it.
void ProgressWindow::BringToFront() {}

// The timer first, then the dialog: neither may outlive the code they call into.
void ProgressWindow::Close() {
  StopMessagePump();
  if (gState.dialog == nullptr) return;
  HWND dialog = gState.dialog;
  gState.dialog = nullptr;
  gState.aborted = 0;
  DestroyWindow(dialog);
}

// Escape is caught only while the dialog is open (the hook goes with the pump), so
// nothing is left to give back.
void ProgressWindow::ReleaseAbort() {}
