// The console the program runs in. Windows has no Ctrl-C for the progress dialog: it
// has its Abort button and Escape; the interrupt here is the C library's SIGINT.
#include <windows.h>

#include <csignal>

#include "os/Terminal.h"

namespace simhost {
namespace os {

bool InputIsTerminal() { return GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_CHAR; }

void RaiseInterrupt() { std::raise(SIGINT); }

bool InterruptHandlingIsDefault() {
  void (*now)(int) = std::signal(SIGINT, SIG_DFL);
  std::signal(SIGINT, now);
  return now == SIG_DFL;
}

}  // namespace os
}  // namespace simhost
