#include <cstdio>

#include "AIUser.h"
#include "pluginHandler/AISuiteVariables.h"
#include "shellMain/Handlers.h"

namespace {

// A status the host takes as no failure to report.
constexpr SPErr kNoAlertStatus = 1;

}  // namespace

void ShowErrorAlert(SPErr error, const char* caller, const char* selector) {
  if (error == kSPNoError || error == kNoAlertStatus || error == kSPSuiteNotFoundError || error == kCanceledErr) return;
  if (sAIUser == nullptr) return;
  const ai::uint32 bits = static_cast<ai::uint32>(error);
  char code[5];
  for (int i = 0; i < 4; ++i) code[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  code[4] = 0;
  char text[1024];
  std::snprintf(text, sizeof(text), "Error=%x, %s (caller : %s, selector : %s)", static_cast<unsigned>(bits), code,
                caller, selector);
  try {
    sAIUser->ErrorAlert(ai::UnicodeString(text, kAIPlatformCharacterEncoding));
  } catch (...) {
    // Without a string to show there is no alert; the status still goes back.
  }
}
