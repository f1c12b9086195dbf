#include "PluginMain.h"

#include <cstdio>
#include <cstring>

#include "ExceptionStatus.h"
#include "PluginGlobals.h"
#include "actionManagerHandler/actionManagerHandler.h"
#include "menuHandler/menuHandler.h"
#include "notifierHandler/notifierHandler.h"
#include "platform/ProgressWindow.h"
#include "pluginHandler/Suites.h"
#include "pluginHandler/pluginHandler.h"
#include "timerHandler/timerHandler.h"

namespace {

constexpr SPErr kNoAlertStatus = 1;

bool Is(const char* a, const char* b) { return sSPBasic->IsEqual(a, b) != 0; }

SPErr handleAccessCaller(const char* selector, SPAccessMessage* message) {
  SPErr error = kSPNoError;
  if (Is(selector, kSPAccessUnloadSelector)) {
    // The code may leave memory next, and the unloading itself is no place for window
    // calls: no window, timer or hook of the plug-in may be left behind.
    ProgressWindow::Close();
    if (message->d.globals != nullptr) unloadPluginSuiteFunctions(message);
    message->d.globals = g;
  } else if (Is(selector, kSPAccessReloadSelector)) {
    if (message->d.globals != nullptr) error = reloadPluginSuiteFunctions(message);
    g = static_cast<PluginGlobals*>(message->d.globals);
    gAcquireCount = 0;
  }
  return error;
}

SPErr handleInterfaceCaller(const char* selector, SPInterfaceMessage* message) {
  SPErr error = kSPNoError;
  if (Is(selector, kSPInterfaceStartupSelector)) {
    void* block = nullptr;
    error = sSPBasic->AllocateBlock(sizeof(PluginGlobals), &block);
    g = error == kSPNoError ? static_cast<PluginGlobals*>(block) : nullptr;
    // The record starts blank so that nothing is read before start-up sets it.
    if (g != nullptr) std::memset(g, 0, sizeof(PluginGlobals));
    message->d.globals = g;
    if (error == kSPNoError) error = pluginStartup(message);
  } else if (Is(selector, kSPInterfaceAboutSelector)) {
    error = goAbout(message);
  } else if (Is(selector, kSPInterfaceShutdownSelector)) {
    if (g != nullptr) {
      pluginShutdown(message);
      sSPBasic->FreeBlock(g);
    }
    g = nullptr;
    message->d.globals = nullptr;
  }
  return error;
}

void showErrorAlert(SPErr error, const char* caller, const char* selector) {
  if (error == kSPNoError || error == kNoAlertStatus || error == kSPSuiteNotFoundError || error == kCanceledErr)
    return;
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

}  // namespace

SPErr handlePluginCaller(const char* caller, const char* selector, void* message) {
  // A plug-in whose record could not be made at start-up has nothing to act on.
  if (g == nullptr) return kSPNoError;
  if (Is(caller, kCallerAIMenu)) {
    if (Is(selector, kSelectorAIGoMenuItem)) return goMenuItem(static_cast<AIMenuMessage*>(message));
    if (Is(selector, kSelectorAIUpdateMenuItem)) return updateMenuItem(static_cast<AIMenuMessage*>(message));
  } else if (Is(caller, kCallerAITimer)) {
    if (Is(selector, kSelectorAIGoTimer)) return goTimer(static_cast<AITimerMessage*>(message));
  } else if (Is(caller, kCallerAINotify)) {
    if (Is(selector, kSelectorAINotify)) return goNotifier(static_cast<AINotifierMessage*>(message));
  } else if (Is(caller, kActionCaller)) {
    if (Is(selector, kDoActionSelector)) return doAction(static_cast<DoActionMessage*>(message));
  }
  return kSPNoError;
}

extern "C" KSR_EXPORT SPErr PluginMain(const char* caller, const char* selector, void* message) {
  SPMessageData* data = static_cast<SPMessageData*>(message);
  if (data == nullptr || data->basic == nullptr || caller == nullptr || selector == nullptr) return kBadParameterErr;
  sSPBasic = data->basic;
  g = static_cast<PluginGlobals*>(data->globals);

  if (Is(caller, kSPAccessCaller)) return handleAccessCaller(selector, static_cast<SPAccessMessage*>(message));

  SPErr error = acquireSuites(sSPBasic);
  if (error == kSPNoError) {
    // Exceptions from the host wrappers stop here: the host never sees one.
    try {
      if (Is(caller, kSPInterfaceCaller)) {
        error = handleInterfaceCaller(selector, static_cast<SPInterfaceMessage*>(message));
      } else {
        error = handlePluginCaller(caller, selector, message);
      }
    } catch (...) {
      error = StatusOfCurrentException();
    }
  }
  showErrorAlert(error, caller, selector);
  releaseSuites(sSPBasic);
  return error;
}
