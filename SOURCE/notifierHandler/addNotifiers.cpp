#include "pluginHandler/AISuiteVariables.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

namespace {

struct NotifierRow {
  const char* name;
  const char* notification;
  AINotifierHandle PluginGlobals::*handle;  // where the handle is kept, if anywhere
};

const NotifierRow kNotifiers[] = {
    {"KSR_APP_STARTED_NOTIFIER", kAIApplicationStartedNotifier, &PluginGlobals::appStartedNotifier},
    {"KSR_SAVE_AS_PRE_NOTIFIER", kAISaveAsCommandPreNotifierStr, &PluginGlobals::saveAsPreNotifier},
    {"KSR_ACTIVEVIEW_CHANGED_NOTIFIER", kAIDocumentViewActiveViewChangedNotifier, nullptr},
    {"KSR_DOCUMENT_OPENED_NOTIFIER", kAIDocumentOpenedNotifier, nullptr},
    {"KSR_DOCUMENT_CLOSED_NOTIFIER", kAIDocumentClosedNotifier, nullptr},
    {"KSR_DOCUMENT_SAVED_NOTIFIER", kAIDocumentSavedNotifier, nullptr},
    {"KSR_DOCUMENT_NEW_NOTIFIER", kAIDocumentNewNotifier, nullptr},
};

}  // namespace

SPErr addNotifiers(SPInterfaceMessage* message) {
  const AINotifierSuite& notify = Require(sNotify);
  SPErr error = kSPNoError;
  for (const NotifierRow& row : kNotifiers) {
    AINotifierHandle* handle = row.handle != nullptr ? &(g->*row.handle) : nullptr;
    error = notify.AddNotifier(message->d.self, row.name, row.notification, handle);
    if (error != kSPNoError) return error;
  }
  return error;
}
