#include <string>

#include "AIActionManager.h"
#include "AIUser.h"
#include "IAIFilePath.hpp"
#include "actionManagerHandler/actionManagerHandler.h"
#include "actionManagerHandler/activityLog.h"
#include "actionManagerHandler/fileOutcome.h"
#include "common/FixedText.h"
#include "common/Heap.h"
#include "common/Texts.h"
#include "folderScan.h"
#include "platform/PathRules.h"
#include "platform/ProgressWindow.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

namespace {

// Every command starts a fresh count, before it asks anything.
void ResetOutcomes() {
  ResetOutcomeCounters();
  g->spoolTotal = 0;
  g->abortRequested = 0;
}

ai::UnicodeString HostText(const char* shiftJis) { return ai::UnicodeString(shiftJis, kAIJapaneseCharacterEncoding); }

// Records the step while the host records an action, confirmed or not.
void RecordSaveAsStep() {
  if (!sActionManager->InRecordMode()) return;
  AIActionParamValueRef block = nullptr;
  if (sActionManager->AINewActionParamValue(&block) != kNoErr || block == nullptr) return;
  sActionManager->RecordActionEvent(kKestruneSaveAsAction, kDialogOn, block);
  sActionManager->AIDeleteActionParamValue(block);
}

SPErr SaveAsCommand() {
  const AIUserSuite& user = Require(sAIUser);
  Require(sActionManager);
  HeapFree(g->spool);
  g->spool = nullptr;
  g->spoolCount = 0;
  g->logFilePath[0] = 0;
  ResetOutcomes();
  if (user.OKCancelAlert(HostText(Text(TextId::kConfirmSaveAs)), true, nullptr)) {
    g->actionMode = kActionModeSingleSave;
    sActionManager->PlayActionEvent(kKestruneInsideCommand, kDialogOff, nullptr);
    // The command resets the mode when it runs; a host that could not play it must
    // not leave the next played action looking like a confirmed save.
    g->actionMode = kActionModeNone;
  }
  RecordSaveAsStep();
  return kNoErr;
}

SPErr BulkUpdateCommand(bool recursive) {
  const AIUserSuite& user = Require(sAIUser);
  Require(sAIFilePath);  // the chooser fills a host path that only this suite gives back
  g->suppressAlerts = 0;
  g->recursive = recursive ? 1 : 0;
  ResetOutcomes();

  ai::FilePath folder;
  if (user.GetDirectoryDialog(ai::UnicodeString(), folder) != kNoErr) return kNoErr;
  const std::string folderPath = folder.GetFullPath(false).getInStdString(kAIUTF8CharacterEncoding);

  // The log lies in the folder. A folder whose log path the record cannot hold, or
  // whose path the scan cannot take, is refused with its own reason: it may well
  // hold files.
  char logPath[sizeof(g->logFilePath)] = {0};
  PlatformPathChar scanFolder[kSpoolPathUnits] = {0};
  if (!MakeLogFilePath(folderPath.c_str(), logPath) ||
      !platform::PathTextFromUTF8(folderPath.c_str(), scanFolder, kSpoolPathUnits)) {
    user.MessageAlert(HostText(Text(TextId::kFolderPathTooLong)));
    return kNoErr;
  }

  CP_SPOOL* list = nullptr;
  ai::int32 count = 0;
  ai::int32 leftOut = 0;
  GetDirectoryFileListProcess(scanFolder, &list, &count, g->recursive, &leftOut);
  // Files the list cannot hold are named by number before anything else is asked;
  // when nothing else is left that message is the whole answer.
  if (leftOut > 0) {
    char message[256];
    if (FormatCountText(message, sizeof(message), TextId::kFilesLeftOutPathTooLong, leftOut))
      user.MessageAlert(HostText(message));
  }
  if (count == 0) {
    HeapFree(list);
    if (leftOut == 0) user.MessageAlert(HostText(Text(TextId::kNoApplicableFiles)));
    return kNoErr;
  }

  char question[256];
  FormatCountText(question, sizeof(question), TextId::kConfirmBulkUpdate, count);
  if (!user.OKCancelAlert(HostText(question), true, nullptr)) {
    HeapFree(list);
    return kNoErr;
  }
  g->spool = list;
  g->spoolCount = count;
  g->spoolTotal = count;
  CopyText(g->logFilePath, sizeof(g->logFilePath), logPath);
  g->spoolState = kSpoolOpenNext;
  ProgressWindow::Open(true);
  ProgressWindow::SetProgressPercent(0);
  return kNoErr;
}

}  // namespace

SPErr goMenuItem(AIMenuMessage* message) {
  const AIMenuItemHandle item = message->menuItem;
  const bool saveAs = item == g->saveAsMenuItem;
  const bool bulk = item == g->bulkUpdateMenuItem;
  const bool bulkRecursive = item == g->bulkUpdateRecursiveMenuItem;
  if (item == nullptr || !(saveAs || bulk || bulkRecursive)) return kNoErr;
  // Nothing else starts while a bulk update runs, nor while it winds down to its
  // summary (its counters are still to be shown).
  if (g->spoolCount != 0 || g->spoolState != kSpoolIdle) return kNoErr;
  return saveAs ? SaveAsCommand() : BulkUpdateCommand(bulkRecursive);
}
