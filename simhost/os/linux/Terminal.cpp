#include "os/Terminal.h"

#include <signal.h>
#include <unistd.h>

namespace simhost {
namespace os {

bool InputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

void RaiseInterrupt() { raise(SIGINT); }

bool InterruptHandlingIsDefault() {
  struct sigaction now {};
  sigaction(SIGINT, nullptr, &now);
  return (now.sa_flags & SA_SIGINFO) == 0 && now.sa_handler == SIG_DFL;
}

}  // namespace os
}  // namespace simhost
