// The progress dialog of Kestrune.aip under Windows (Wine, headless): its place and
// texts, its bar as captured at each repaint, Abort and Escape, and what is left of
// it once the host shuts the plug-in down or unloads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "PluginDocumentTest.h"
#include "suites/Timers.h"
#include "os/Windowing.h"

using nlohmann::json;
using namespace testing_support;

namespace {

namespace host_system = simhost::os;

HWND MainWindow() { return static_cast<HWND>(host_system::MainWindow()); }

BOOL CALLBACK FindOwned(HWND window, LPARAM found) {
  wchar_t type[16] = {};
  GetClassNameW(window, type, 16);
  if (std::wstring(type) == L"#32770" && GetWindow(window, GW_OWNER) == MainWindow()) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The dialog the plug-in opened, owned by the host's main window.
HWND ProgressDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The address range of a loaded module, from its own headers.
struct ModuleRange {
  uintptr_t begin = 0, end = 0;
  bool Holds(uintptr_t address) const { return address >= begin && address < end; }
};

ModuleRange RangeOf(const void* module) {
  ModuleRange range;
  if (module == nullptr) return range;
  auto* dos = static_cast<const IMAGE_DOS_HEADER*>(module);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(static_cast<const char*>(module) + dos->e_lfanew);
  range.begin = reinterpret_cast<uintptr_t>(module);
  range.end = range.begin + nt->OptionalHeader.SizeOfImage;
  return range;
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<unsigned char> bytes;  // bottom-up rows of blue, green, red
  COLORREF At(int x, int y) const {
    const int stride = (width * 3 + 3) & ~3;
    const size_t at = static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
    return RGB(bytes[at + 2], bytes[at + 1], bytes[at]);
  }
};

bool ReadBmp(const std::string& path, Bitmap* out) {
  const std::string file = ReadFile(path);
  if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || file.compare(0, 2, "BM") != 0) return false;
  BITMAPFILEHEADER head;
  BITMAPINFOHEADER info;
  std::memcpy(&head, file.data(), sizeof(head));
  std::memcpy(&info, file.data() + sizeof(head), sizeof(info));
  if (info.biBitCount != 24 || info.biHeight <= 0) return false;
  out->width = info.biWidth;
  out->height = info.biHeight;
  out->bytes.assign(file.begin() + head.bfOffBits, file.end());
  return out->bytes.size() >= static_cast<size_t>(((out->width * 3 + 3) & ~3) * out->height);
}

std::vector<std::string> Captures(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(folder)))
    found.push_back(entry.path().u8string());
  std::sort(found.begin(), found.end());
  return found;
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDone = RGB(24, 73, 157);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ProgressDialogTest : public PluginDocumentTest {
 protected:
  ProgressDialogTest() { host().ui().SetDefaultAnswer(true); }
  void StartIn(int language) {
    simhost::HostConfig config;
    config.language = language;
    Start(config);
    host().ui().SetDefaultAnswer(true);
  }
  void Files(int count) {
    for (int i = 0; i < count; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
  }
  void ChooseBulk() {
    host().ui().QueueFolder(folder_);
    host().menus().Choose(Item("KESTRUNE_CONVERT", 0));
    Events();
  }
  // What the application does between two of its timer ticks.
  void Events() { host_system::WaitHandlingEvents(0); }
  void Tick() {
    host().timers().Tick(host().timers().FindByName("KESTRUNE_TIMER"));
    Events();
  }
  void RunToEnd() {
    for (int tick = 0; tick < 200 && globals().spoolState != kSpoolIdle; ++tick) Tick();
  }
  std::string Summary() {
    auto messages = host().ui().DialogsOf(simhost::DialogKind::Message);
    return messages.empty() ? std::string() : messages.back().text;
  }
  void PressEscape() {
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_ESCAPE;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
  }
};

TEST_F(ProgressDialogTest, OpensOwnedByTheHostATenthInAndAboveOtherWindows) {
  Files(2);
  ChooseBulk();
  HWND dialog = ProgressDialog();
  ASSERT_NE(dialog, nullptr);
  RECT owner, own;
  GetWindowRect(MainWindow(), &owner);
  GetWindowRect(dialog, &own);
  EXPECT_EQ(own.left, owner.left + static_cast<int>(0.1 * (owner.right - owner.left)));
  EXPECT_EQ(own.top, owner.top + static_cast<int>(0.1 * (owner.bottom - owner.top)));
  EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(IsWindowVisible(dialog));
  RunToEnd();
  EXPECT_EQ(ProgressDialog(), nullptr) << "closed with the run";
}

TEST_F(ProgressDialogTest, TextsFollowTheHostLanguage) {
  struct Case {
    int language;
    std::wstring title, abort;
  };
  for (const Case& want : {Case{0, L"Progress", L"Abort"}, Case{1, L"\u9032\u6357\u72b6\u6cc1", L"\u4e2d\u65ad"}}) {
    SCOPED_TRACE(want.language);
    StartIn(want.language);
    Files(1);
    ChooseBulk();
    HWND dialog = ProgressDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), want.title);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 2)), want.abort);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, 2)));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 3)), L"") << "the template's placeholder is replaced";
    RunToEnd();
  }
}

TEST_F(ProgressDialogTest, CapturedBarIsBlackFramedWhiteAtZeroAndHalfDoneAtFifty) {
  TempFolder captures("captures");
  ASSERT_TRUE(host_system::CaptureProgressWindow(captures.path()));
  Files(2);
  ChooseBulk();
  HWND dialog = ProgressDialog();
  ASSERT_NE(dialog, nullptr);
  // The capture is the dialog's face: its client area, at the size it has on screen.
  RECT face, bar;
  GetClientRect(dialog, &face);
  GetWindowRect(GetDlgItem(dialog, 4), &bar);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bar), 2);
  Tick();  // the first file: 0 percent, as already shown
  Tick();  // saved
  Tick();  // the second file: 50 percent
  std::vector<std::string> shots = Captures(captures.path());
  RunToEnd();
  ASSERT_EQ(shots.size(), 2u) << "one repaint at 0 and one at 50 percent";

  const int middle = (bar.top + bar.bottom) / 2;
  const int innerLeft = bar.left + 1, innerRight = bar.right - 1;
  const int split = innerLeft + (innerRight - innerLeft) * 50 / 100;
  Bitmap zero, fifty;
  ASSERT_TRUE(ReadBmp(shots[0], &zero));
  ASSERT_TRUE(ReadBmp(shots[1], &fifty));
  ASSERT_EQ(zero.width, face.right);
  ASSERT_EQ(zero.height, face.bottom);
  for (const Bitmap* shot : {&zero, &fifty}) {
    // Drawn to every edge: no band of the bitmap is left unpainted.
    const COLORREF background = shot->At(0, 0);
    EXPECT_NE(background, kBlack);
    for (int x = 0; x < shot->width; ++x) EXPECT_EQ(shot->At(x, shot->height - 1), background) << x;
    for (int y = 0; y < shot->height; ++y) EXPECT_EQ(shot->At(shot->width - 1, y), background) << y;
    EXPECT_EQ(shot->At(bar.left, middle), kBlack);
    EXPECT_EQ(shot->At(bar.right - 1, middle), kBlack);
    EXPECT_EQ(shot->At((bar.left + bar.right) / 2, bar.top), kBlack);
    EXPECT_EQ(shot->At((bar.left + bar.right) / 2, bar.bottom - 1), kBlack);
  }
  for (int x = innerLeft; x < innerRight; ++x) EXPECT_EQ(zero.At(x, middle), kWhite) << x;
  for (int x = innerLeft; x < split; ++x) EXPECT_EQ(fifty.At(x, middle), kDone) << x;
  for (int x = split; x < innerRight; ++x) EXPECT_EQ(fifty.At(x, middle), kWhite) << x;
}

TEST_F(ProgressDialogTest, RepaintsTheBarOnlyWhenThePercentageChanges) {
  TempFolder captures("captures");
  ASSERT_TRUE(host_system::CaptureProgressWindow(captures.path()));
  Files(3);
  ChooseBulk();
  const size_t opened = Captures(captures.path()).size();
  EXPECT_EQ(opened, 1u);
  Tick();  // 0 percent again before the first file: nothing to repaint
  EXPECT_EQ(Captures(captures.path()).size(), opened);
  RunToEnd();
  EXPECT_EQ(Captures(captures.path()).size(), 3u) << "0, 33 and 67 percent, each once";
}

TEST_F(ProgressDialogTest, AClickOnAbortEndsTheRunAndDisablesTheButton) {
  Files(4);
  ChooseBulk();
  HWND dialog = ProgressDialog();
  ASSERT_NE(dialog, nullptr);
  SendMessageW(GetDlgItem(dialog, 2), BM_CLICK, 0, 0);
  Events();
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 2))) << "a second click is impossible";
  RunToEnd();
  EXPECT_EQ(Summary(), "Bulk update completed.\rCanceled : 4 files");
}

// Escape aborts only when it is meant for the run: pressed in the host's main window
// (not in a field of it) or in the dialog, with no modal dialog up.
TEST_F(ProgressDialogTest, EscapeAbortsOnlyWhenMeantForTheRun) {
  enum class Focus {
    kHost,
    kDialog,
    kHostView,
    kDockedField,
    kFloatingField,
    kAlert,
    kDialogUnderAlert,
    kOtherProgram
  };
  struct Case {
    const char* where;
    Focus focus;
    bool aborts;
  };
  const Case cases[] = {
      {"the host's main window", Focus::kHost, true},
      {"the progress dialog", Focus::kDialog, true},
      {"a view inside the host's window", Focus::kHostView, true},
      {"a field of a panel docked in the host's window", Focus::kDockedField, false},
      {"a field of a floating host panel", Focus::kFloatingField, false},
      {"one of the plug-in's alerts, modal to the host", Focus::kAlert, false},
      {"the progress dialog while an alert is up", Focus::kDialogUnderAlert, false},
      {"another program's window", Focus::kOtherProgram, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    testing_support::RemoveTree(folder_);
    std::filesystem::create_directories(std::filesystem::u8path(folder_));
    host().ui().ClearDialogs();
    Files(3);
    ChooseBulk();
    HWND dialog = ProgressDialog();
    ASSERT_NE(dialog, nullptr);
    HWND made = nullptr;  // a window of the case's own, destroyed after it
    HWND focus = nullptr;
    const bool modal = c.focus == Focus::kAlert || c.focus == Focus::kDialogUnderAlert;
    auto popup = [](HWND owner, const wchar_t* title) {
      return CreateWindowExW(0, L"STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 200, 80, owner, nullptr, nullptr,
                             nullptr);
    };
    auto child = [](HWND parent, const wchar_t* type) {
      return CreateWindowExW(0, type, L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, parent, nullptr, nullptr, nullptr);
    };
    switch (c.focus) {
      case Focus::kHost:
        focus = MainWindow();
        break;
      case Focus::kDialog:
      case Focus::kDialogUnderAlert:
        focus = dialog;
        break;
      case Focus::kHostView:
        focus = made = child(MainWindow(), L"STATIC");
        break;
      case Focus::kDockedField:
        focus = made = child(MainWindow(), L"EDIT");
        break;
      case Focus::kFloatingField:
        made = popup(MainWindow(), L"panel");
        focus = child(made, L"EDIT");
        break;
      case Focus::kAlert:
        made = popup(MainWindow(), L"alert");
        focus = child(made, L"BUTTON");
        break;
      case Focus::kOtherProgram:
        focus = made = popup(nullptr, L"another program");
        break;
    }
    ASSERT_NE(focus, nullptr);
    if (modal) EnableWindow(MainWindow(), FALSE);  // as a modal dialog's loop does to its owner
    SetForegroundWindow(GetAncestor(focus, GA_ROOT));
    SetFocus(focus);
    Events();
    ASSERT_TRUE(GetFocus() == focus || IsChild(focus, GetFocus())) << "a dialog hands the focus to its button";
    PressEscape();
    Events();  // the host's own loop takes the key out of the queue
    if (modal) EnableWindow(MainWindow(), TRUE);
    if (made != nullptr) DestroyWindow(made);
    EXPECT_EQ(!IsWindowEnabled(GetDlgItem(dialog, 2)), c.aborts);
    RunToEnd();
    EXPECT_EQ(Summary(), c.aborts ? "Bulk update completed.\rCanceled : 3 files"
                                  : "Bulk update completed.\rUpdate successful : 3 files");
  }
}

// Timer messages still due in the thread's queue whose procedure lies in the range.
int TimersInto(const ModuleRange& range) {
  int found = 0;
  const ULONGLONG until = GetTickCount64() + 200;  // four pump periods
  while (GetTickCount64() < until) {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
      if (range.Holds(static_cast<uintptr_t>(message.lParam))) ++found;
    Sleep(10);
  }
  return found;
}

BOOL CALLBACK CountProceduresInto(HWND window, LPARAM state) {
  auto* check = reinterpret_cast<std::pair<ModuleRange, int>*>(state);
  if (check->first.Holds(static_cast<uintptr_t>(GetWindowLongPtrW(window, GWLP_WNDPROC))) ||
      check->first.Holds(static_cast<uintptr_t>(GetWindowLongPtrW(window, DWLP_DLGPROC))))
    ++check->second;
  return TRUE;
}

int WindowsInto(const ModuleRange& range) {
  std::pair<ModuleRange, int> check{range, 0};
  EnumThreadWindows(GetCurrentThreadId(), CountProceduresInto, reinterpret_cast<LPARAM>(&check));
  return check.second;
}

TEST_F(ProgressDialogTest, ShutDownDuringARunLeavesNothingPointingIntoTheCode) {
  Files(3);
  ChooseBulk();
  Tick();
  const ModuleRange code = RangeOf(host().module());
  ASSERT_NE(ProgressDialog(), nullptr);
  ASSERT_GT(WindowsInto(code), 0) << "the dialog runs the plug-in's procedure";
  host().Shutdown();
  EXPECT_EQ(ProgressDialog(), nullptr);
  EXPECT_EQ(WindowsInto(code), 0);
  EXPECT_EQ(TimersInto(code), 0) << "the pump timer is gone";
}

TEST_F(ProgressDialogTest, UnloadDuringARunLeavesNothingPointingIntoTheCode) {
  Files(3);
  ChooseBulk();
  const ModuleRange code = RangeOf(host().module());
  ASSERT_NE(ProgressDialog(), nullptr);
  host().Unload();  // the code leaves memory; the record stays with the host
  EXPECT_EQ(ProgressDialog(), nullptr);
  EXPECT_EQ(WindowsInto(code), 0);
  EXPECT_EQ(TimersInto(code), 0);
  host().Reload();
  RunToEnd();
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : 3 files") << "the run goes on without its window";
}

}  // namespace
