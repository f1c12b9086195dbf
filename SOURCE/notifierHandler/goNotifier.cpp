#include <cstring>

#include "AIDocument.h"
#include "AIMenu.h"
#include "actionManagerHandler/documentEligibility.h"
#include "platform/ProgressWindow.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

namespace {

// The notifications after which the current document may have changed.
const char* const kDocumentNotifications[] = {kAIDocumentClosedNotifier, kAIDocumentOpenedNotifier,
                                              kAIDocumentNewNotifier, kAIDocumentViewActiveViewChangedNotifier,
                                              kAIDocumentSavedNotifier};

bool IsDocumentNotification(const char* type) {
  if (type == nullptr) return false;
  for (const char* name : kDocumentNotifications)
    if (std::strcmp(type, name) == 0) return true;
  return false;
}

// "Save as..." is offered exactly for documents the save command would take.
bool CanSaveCurrentDocument() {
  try {
    AIDocumentHandle current = nullptr;
    if (Require(sDocument).GetDocument(&current) != kNoErr || current == nullptr) return false;
    return CheckDocumentEligibility() == kNoErr;
  } catch (...) {
    return false;
  }
}

}  // namespace

SPErr goNotifier(AINotifierMessage* message) {
  if (!IsDocumentNotification(message->type)) return kSPNoError;
  if (sMenu != nullptr && g->saveAsMenuItem != nullptr) {
    if (CanSaveCurrentDocument()) {
      sMenu->EnableItem(g->saveAsMenuItem);
    } else {
      sMenu->DisableItem(g->saveAsMenuItem);
    }
  }
  // A bulk update's documents come to the front as they open; its progress window
  // must not stay behind them.
  if (ProgressWindow::IsOpen()) ProgressWindow::BringToFront();
  return kSPNoError;
}
