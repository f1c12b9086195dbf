#include "PluginMain.h"

#include <cstring>

#include "ExceptionStatus.h"
#include "Handlers.h"
#include "PluginGlobals.h"
#include "platform/ProgressWindow.h"

namespace {

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
  ShowErrorAlert(error, caller, selector);
  releaseSuites(sSPBasic);
  return error;
}
