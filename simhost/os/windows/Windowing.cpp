// The application's main window and its message loop. The plug-in's progress dialog
// is owned by this window and placed against it; its 50 ms pump timer only fires
// while somebody takes messages out of the thread's queue, as the application does
// between its own timer ticks.
#include <windows.h>

#include "os/Windowing.h"

namespace simhost {
namespace os {
namespace {

constexpr wchar_t kWindowClass[] = L"KestruneSimulatedHost";

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeMainWindow() {
  WNDCLASSW type{};
  type.lpfnWndProc = MainWindowProcedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  type.lpszClassName = kWindowClass;
  RegisterClassW(&type);
  HWND window = CreateWindowExW(0, kWindowClass, L"Kestrune simulated host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30,
                                1000, 700, nullptr, nullptr, type.hInstance, nullptr);
  if (window != nullptr) {
    SetForegroundWindow(window);
    SetFocus(window);
  }
  return window;
}

// Dispatches what waits; false once the thread was asked to quit (the request is
// put back for whoever runs the outermost loop).
bool DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

void* MainWindow() {
  static HWND window = MakeMainWindow();
  return window;
}

void WaitHandlingEvents(int milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 0);
  for (;;) {
    if (!DispatchPending()) return;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace os
}  // namespace simhost
