// Notifier: "AI Notifier"/"AI Notify" calls for the host notifications a plug-in follows.
#ifndef KESTRUNE_HOST_AINOTIFIER_H
#define KESTRUNE_HOST_AINOTIFIER_H

#include "AITypes.h"
#include "SPMessages.h"

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion AIAPI_VERSION(4)

#define kAIApplicationStartedNotifier "AI Application Started Notifier"
#define kAISaveAsCommandPreNotifierStr "AI Command Notifier: Before Save As"
#define kAIDocumentViewActiveViewChangedNotifier "AI Document View Style Active View Changed Notifier"
#define kAIDocumentOpenedNotifier "AI Document Opened Notifier"
#define kAIDocumentClosedNotifier "AI Document Closed Notifier"
#define kAIDocumentSavedNotifier "AI Document Saved Notifier"
#define kAIDocumentNewNotifier "AI Document New Notifier"

struct AINotifierSuite {
  // 0 and the notifier's handle; the host then sends "AI Notifier"/"AI Notify" for every notification of type.
  AIAPI AIErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
};

#endif
