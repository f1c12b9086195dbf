// The plug-in state the panel reads, set as a host's start-up would set it.
#include <cstring>

#include "shellMain/PluginGlobals.h"

extern "C" void PanelTest_SetHostLanguage(int language) {
  static PluginGlobals globals;
  std::memset(&globals, 0, sizeof(globals));
  globals.appLanguage = language;
  g = &globals;
}
