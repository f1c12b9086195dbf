// --capture-progress on Windows: each time the progress dialog paints its bar, the
// dialog's face (its client area, with every control at its place) is rendered into a
// bitmap of exactly its size and written as a numbered 24-bit BMP file. The caption
// and frame are the system's: WM_PRINT does not draw them under Wine, so they are
// left out everywhere rather than captured as a black band.
// A hook on the host's thread sees the bar's paint request come back from the dialog.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "os/Files.h"
#include "os/Windowing.h"
#include "os/windows/WideStrings.h"

namespace simhost {
namespace os {
namespace {

constexpr int kBarControl = 4;

std::string gFolder;
int gCount = 0;
bool gCapturing = false;
HHOOK gHook = nullptr;

// What window draws of itself into a bitmap of size, copied into dc at at.
void Print(HWND window, LPARAM parts, HDC dc, POINT at, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0) return;
  HDC alone = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, size.cx, size.cy);
  if (alone != nullptr && canvas != nullptr) {
    HGDIOBJ previous = SelectObject(alone, canvas);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(alone), parts);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, alone, 0, 0, SRCCOPY);
    SelectObject(alone, previous);
  }
  if (canvas != nullptr) DeleteObject(canvas);
  if (alone != nullptr) DeleteDC(alone);
}

// The visible children of window, each whole and at its place, their own children
// after them; origin is the screen point that is dc's top-left. Every window prints
// into a bitmap of its own, copied into place: Wine's PrintWindow leaves children out
// and its controls do not keep to a moved viewport.
void RenderChildren(HWND window, HDC dc, POINT origin) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT own;
    GetWindowRect(child, &own);
    Print(child, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND, dc, POINT{own.left - origin.x, own.top - origin.y},
          SIZE{own.right - own.left, own.bottom - own.top});
    RenderChildren(child, dc, origin);
  }
}

bool WriteBmp(const std::string& path, int width, int height, const unsigned char* bits) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;  // bottom-up, as the DIB section holds it
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = _wfopen(Wide(path).c_str(), L"wb");
  if (out == nullptr) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&info, sizeof(info), 1, out) == 1 &&
            std::fwrite(bits, 1, info.biSizeImage, out) == info.biSizeImage;
  return std::fclose(out) == 0 && ok;
}

void Capture(HWND dialog) {
  RECT client;
  POINT origin{0, 0};
  if (!GetClientRect(dialog, &client) || !ClientToScreen(dialog, &origin)) return;
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    Print(dialog, PRF_CLIENT | PRF_ERASEBKGND, memory, POINT{0, 0}, SIZE{width, height});
    RenderChildren(dialog, memory, origin);
    GdiFlush();
    char name[32];
    std::snprintf(name, sizeof(name), "progress-%04d.bmp", ++gCount);
    WriteBmp(gFolder + "\\" + name, width, height, static_cast<const unsigned char*>(bits));
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

// The dialog has answered the bar's paint request: the bar on screen is new.
LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const CWPRETSTRUCT* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && !gCapturing && sent != nullptr && sent->message == WM_DRAWITEM &&
      sent->wParam == kBarControl && GetWindow(sent->hwnd, GW_OWNER) == static_cast<HWND>(MainWindow())) {
    gCapturing = true;
    Capture(sent->hwnd);
    gCapturing = false;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool CaptureProgressWindow(const std::string& folder) {
  if (KindOfPath(folder, true) != PathKind::kFolder) return false;
  gFolder = IsAbsolutePath(folder) ? folder : WorkingFolder() + "\\" + folder;
  while (gFolder.size() > 3 && IsPathSeparator(gFolder.back())) gFolder.pop_back();
  if (gHook == nullptr) gHook = SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId());
  return gHook != nullptr;
}

}  // namespace os
}  // namespace simhost
