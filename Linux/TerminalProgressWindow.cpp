// The progress window on a terminal: a titled bar on the stream the host shows its
// windows on (standard error when it names none), and Ctrl-C as the Abort button
// while it is open.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/ProgressWindow.h"
#include "platform/ProgressWindowHost.h"
#include "platform/ProgressWindowTexts.h"
#include "platform/TextConversion.h"

namespace {

constexpr int kBarWidth = 40;

struct WindowState {
  bool open = false;
  bool abortAllowed = false;
  std::FILE* out = stderr;   // where the window is drawn, from Open on
  bool interactive = false;  // out is a terminal: repaint in place
  ai::int32 percent = 0;
  bool abortShown = false;  // the line has been drawn since Ctrl-C was pressed
  std::string message;
  bool interruptHeld = false;  // Ctrl-C is ours, from Open to ReleaseAbort
  struct sigaction previousInterrupt {};
};

WindowState gWindow;
volatile sig_atomic_t gAborted = 0;

void OnInterrupt(int) { gAborted = 1; }

// Shift-JIS to UTF-8; the terminal shows nothing of a text no converter can read.
std::string Utf8(const char* shiftJIS) {
  std::string utf8;
  if (!platform::ConvertShiftJISToUTF8(shiftJIS != nullptr ? shiftJIS : "", &utf8)) utf8.clear();
  return utf8;
}

// Values outside 0 to 100 are drawn at the nearest end; nothing is drawn outside the bar.
int Clamp(ai::int32 percent) { return percent < 0 ? 0 : percent > 100 ? 100 : static_cast<int>(percent); }

// A terminal host's main window is the stream it shows windows on.
std::FILE* HostTerminal() {
  void* window = platform::HostMainWindow();
  return window != nullptr ? static_cast<std::FILE*>(window) : stderr;
}

void Paint() {
  const int shown = Clamp(gWindow.percent);
  const int done = shown * kBarWidth / 100;
  std::string bar(static_cast<size_t>(done), '#');
  bar.append(static_cast<size_t>(kBarWidth - done), '.');
  std::string line = Utf8(platform::ProgressWindowTitle()) + " [" + bar + "] " + std::to_string(shown) + "%";
  if (!gWindow.message.empty()) line += "  " + gWindow.message;
  if (gWindow.abortAllowed)
    line += gAborted ? "  (" + Utf8(platform::ProgressWindowAbortLabel()) + ")"
                     : "  Ctrl-C: " + Utf8(platform::ProgressWindowAbortLabel());
  gWindow.abortShown = gAborted != 0;
  std::fprintf(gWindow.out, gWindow.interactive ? "\r\033[K%s" : "%s\n", line.c_str());
  std::fflush(gWindow.out);
}

}  // namespace

void ProgressWindow::Open(bool abortAllowed) {
  if (gWindow.open) Close();
  gWindow.open = true;
  gWindow.abortAllowed = abortAllowed;
  gWindow.out = HostTerminal();
  const int descriptor = fileno(gWindow.out);
  gWindow.interactive = descriptor >= 0 && isatty(descriptor) != 0;
  gWindow.percent = 0;
  gWindow.abortShown = false;
  gWindow.message.clear();
  gAborted = 0;
  struct sigaction onInterrupt {};
  onInterrupt.sa_handler = abortAllowed ? OnInterrupt : SIG_IGN;
  sigemptyset(&onInterrupt.sa_mask);
  // Still held from a run not yet released: what we had then is not the host's.
  sigaction(SIGINT, &onInterrupt, gWindow.interruptHeld ? nullptr : &gWindow.previousInterrupt);
  gWindow.interruptHeld = true;
  Paint();
}

void ProgressWindow::SetProgressPercent(ai::int32 percent) {
  if (percent == gWindow.percent) return;
  gWindow.percent = percent;
  if (gWindow.open) Paint();
}

void ProgressWindow::SetProgressMessage(const char* text) {
  if (!gWindow.open) return;
  gWindow.message = Utf8(text);
  Paint();
}

// The signal handler only sets the flag (drawing is not safe there); the first poll
// that sees it redraws, so the user sees the Abort taken.
ai::int16 ProgressWindow::IsAborted() {
  if (!gWindow.open || !gAborted) return 0;
  if (!gWindow.abortShown) Paint();
  return 1;
}

bool ProgressWindow::IsOpen() { return gWindow.open; }

// The terminal has no windows to order.
void ProgressWindow::BringToFront() {}

// Ctrl-C stays ours, and only sets a flag nobody reads, until ReleaseAbort: a second
// one while the run ends must not end the host.
void ProgressWindow::Close() {
  if (!gWindow.open) return;
  gWindow.open = false;
  gAborted = 0;
  if (gWindow.interactive) std::fprintf(gWindow.out, "\n");
  std::fflush(gWindow.out);
}

// Gives Ctrl-C back to whoever had it: no handler may point into the plug-in once the
// run is over, for the host may unload the code.
void ProgressWindow::ReleaseAbort() {
  if (!gWindow.interruptHeld) return;
  sigaction(SIGINT, &gWindow.previousInterrupt, nullptr);
  gWindow.interruptHeld = false;
  gAborted = 0;
}
