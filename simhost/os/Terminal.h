// The terminal the program runs in, and its interrupt (Ctrl-C).
#ifndef KESTRUNE_SIMHOST_OS_TERMINAL_H
#define KESTRUNE_SIMHOST_OS_TERMINAL_H

namespace simhost {
namespace os {

// True when standard input is an interactive terminal a person can answer on.
bool InputIsTerminal();
// Delivers to this process the interrupt that Ctrl-C on its terminal sends.
void RaiseInterrupt();
// True when the interrupt is handled as the system does by default (ends the program).
bool InterruptHandlingIsDefault();

}  // namespace os
}  // namespace simhost

#endif
