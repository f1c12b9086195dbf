// Windows: '\\' between names, ".ai" in any case of A to Z, FindFirstFileW's order,
// the dialog's Abort button, and the bar read back from the captured bitmaps.
#include "PlatformExpectations.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "TestHost.h"
#include "os/Windowing.h"
#include "os/windows/WideStrings.h"

namespace testing_support {

using simhost::os::Utf8;
using simhost::os::Wide;

std::basic_string<PlatformPathChar> PathText(const std::string& utf8) { return Wide(utf8); }
std::string Utf8Text(const PlatformPathChar* path) { return Utf8(path); }

char Separator() { return '\\'; }

std::string Native(const std::string& relative) {
  std::string native = relative;
  std::replace(native.begin(), native.end(), '/', '\\');
  return native;
}

std::string Joined(const std::string& folder, const std::string& relative) { return folder + "\\" + Native(relative); }

bool AiExtensionIgnoresCase() { return true; }

bool ShiftJISOverflowYieldsNothing() { return true; }

std::string SystemLibraryWithoutPluginMain() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return Utf8(std::wstring(folder, length < MAX_PATH ? length : 0)) + "\\kernel32.dll";
}

std::string ProgramText(const std::string& written) {
  std::string text;
  text.reserve(written.size());
  for (size_t i = 0; i < written.size(); ++i)
    if (!(written[i] == '\r' && i + 1 < written.size() && written[i + 1] == '\n')) text.push_back(written[i]);
  return text;
}

// The samples are the same bytes on every platform; qpdf checks them on Linux.
std::string PdfStructureProblem(const std::string&) { return std::string(); }

std::string SuiteFailureReport(const std::string&) { return std::string(); }

std::vector<std::string> ListedNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = Utf8(found.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

namespace {

constexpr int kAbortButton = 2;

BOOL CALLBACK FindProgressDialog(HWND window, LPARAM found) {
  wchar_t type[16] = {};
  GetClassNameW(window, type, 16);
  if (std::wcscmp(type, L"#32770") == 0 && GetWindow(window, GW_OWNER) == simhost::os::MainWindow()) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void PressAbort() {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindProgressDialog, reinterpret_cast<LPARAM>(&dialog));
  ASSERT_NE(dialog, nullptr) << "no progress dialog to abort";
  SendMessageW(GetDlgItem(dialog, kAbortButton), BM_CLICK, 0, 0);
  simhost::os::WaitHandlingEvents(0);
}

void SetEnvironment(const std::string& name, const char* value) {
  // The C library's copy, which getenv reads, and the process's, which children get.
  _wputenv_s(Wide(name).c_str(), value != nullptr ? Wide(value).c_str() : L"");
}

namespace {

// A captured dialog: 24-bit rows, bottom-up.
struct Bitmap {
  int width = 0, height = 0;
  std::string bytes;
  COLORREF At(int x, int y) const {
    const size_t stride = static_cast<size_t>((width * 3 + 3) & ~3);
    const size_t at = static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
    return RGB(static_cast<unsigned char>(bytes[at + 2]), static_cast<unsigned char>(bytes[at + 1]),
               static_cast<unsigned char>(bytes[at]));
  }
};

bool ReadBmp(const std::string& path, Bitmap* out) {
  const std::string file = ReadFile(path);
  BITMAPFILEHEADER head;
  BITMAPINFOHEADER info;
  if (file.size() < sizeof(head) + sizeof(info) || file.compare(0, 2, "BM") != 0) return false;
  std::memcpy(&head, file.data(), sizeof(head));
  std::memcpy(&info, file.data() + sizeof(head), sizeof(info));
  if (info.biBitCount != 24 || info.biWidth <= 0 || info.biHeight <= 0) return false;
  out->width = info.biWidth;
  out->height = info.biHeight;
  out->bytes = file.substr(head.bfOffBits);
  return out->bytes.size() >= static_cast<size_t>(((out->width * 3 + 3) & ~3) * out->height);
}

// The bar is the dialog's one long black line (its frame's top edge); the done part
// fills its inner width from the left, inner width × percent / 100 pixels of it, so
// the percentage is the smallest whole one that fills as many.
int PercentShown(const Bitmap& shot) {
  constexpr int kLongestText = 100;  // no glyph run of the dialog's text is this long
  for (int y = 0; y + 2 < shot.height; ++y) {
    int run = 0;
    for (int x = 0; x < shot.width; ++x) {
      if (shot.At(x, y) == RGB(0, 0, 0)) {
        ++run;
        continue;
      }
      if (run >= kLongestText) {
        const int left = x - run, inner = run - 2;
        int done = 0;
        while (done < inner && shot.At(left + 1 + done, y + 2) != RGB(255, 255, 255)) ++done;
        return (done * 100 + inner - 1) / inner;
      }
      run = 0;
    }
  }
  return -1;
}

}  // namespace

std::string CaptureFileName(int nth) {
  char name[32];
  std::snprintf(name, sizeof(name), "progress-%04d.bmp", nth);
  return name;
}

std::vector<int> CapturedPercentages(const std::string& folder) {
  std::vector<std::string> shots;
  for (const auto& entry : std::filesystem::directory_iterator(Wide(folder)))
    shots.push_back(Utf8(entry.path().wstring()));
  std::sort(shots.begin(), shots.end());
  std::vector<int> shown;
  for (const std::string& path : shots) {
    Bitmap shot;
    shown.push_back(ReadBmp(path, &shot) ? PercentShown(shot) : -1);
  }
  return shown;
}

struct ProgressRecord::State {
  std::string folder;
};

ProgressRecord::ProgressRecord() : state_(new State) {
  state_->folder = MakeTempFolder("progress");
  EXPECT_TRUE(simhost::os::CaptureProgressWindow(state_->folder));
}

ProgressRecord::~ProgressRecord() { RemoveTree(state_->folder); }

std::vector<int> ProgressRecord::Percentages() { return CapturedPercentages(state_->folder); }

}  // namespace testing_support
