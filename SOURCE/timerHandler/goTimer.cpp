#include <cstring>
#include <set>
#include <string>

#include "AIActionManager.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIUser.h"
#include "IAIFilePath.hpp"
#include "actionManagerHandler/actionManagerHandler.h"
#include "actionManagerHandler/activityLog.h"
#include "actionManagerHandler/fileOutcome.h"
#include "common/Heap.h"
#include "menuHandler/folderScan.h"
#include "pdf_chaeck_utility/pdf_chaeck_utility.h"
#include "platform/Clock.h"
#include "platform/ProgressWindow.h"
#include "pluginHandler/ParamBlock.h"
#include "pluginHandler/Suites.h"
#include "shellMain/ExceptionStatus.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"
#include "timerHandler.h"

namespace {

constexpr ActionParamKeyID kNameKey = static_cast<ActionParamKeyID>(AIFourCharCode("name"));
constexpr ActionParamKeyID kColorKey = static_cast<ActionParamKeyID>(AIFourCharCode("colr"));
constexpr size_t kField = 512;

// A document the host reported opened but never made current is given up after
// this many ticks, so that one file cannot stall the run.
constexpr int kMaxTicksWaitingForDocument = 30;
// A run whose steps fail this many ticks in a row (a suite the host does not lend,
// a host that refuses every call) is ended, so that it never hangs unseen.
constexpr int kMaxStalledTicks = 30;

ai::UnicodeString HostText(const char* shiftJis) { return ai::UnicodeString(shiftJis, kAIJapaneseCharacterEncoding); }

std::string EntryUTF8(const CP_SPOOL& entry) {
  char utf8[kScanPathUnits * 3] = {0};
  platform::UTF8FromPathText(entry.path, utf8, sizeof(utf8));
  return utf8;
}

ai::UnicodeString EntryPath(const CP_SPOOL& entry) {
  return ai::UnicodeString(EntryUTF8(entry).c_str(), kAIUTF8CharacterEncoding);
}

// Gives a file of the list its outcome. The host names it as it names documents; when
// it cannot (no File Path suite, a path it refuses, bytes that are not UTF-8) the entry
// itself gives the name, so that no counted file goes unlogged.
void GiveOutcome(const CP_SPOOL& entry, FileOutcome outcome) {
  char logName[kField] = {0};
  try {
    ai::FilePath file;
    file.Set(EntryPath(entry), true);
    GetCPLogFileName(file.GetFullPath(false), logName);
  } catch (...) {
    logName[0] = 0;
  }
  if (logName[0] == 0) LogNameFromPath(EntryUTF8(entry).c_str(), logName);
  RecordFileOutcome(outcome, logName, "");
}

void DropEntry() {
  --g->spoolCount;
  if (g->spoolCount > 0) std::memmove(&g->spool[0], &g->spool[1], sizeof(CP_SPOOL) * g->spoolCount);
}

// Every entry still in the list gets the outcome.
void GiveRemainingOutcome(FileOutcome outcome) {
  for (ai::int32 i = 0; i < g->spoolCount; ++i) GiveOutcome(g->spool[i], outcome);
}

void ShowSummary() {
  char summary[kField] = {0};
  ComposeSummary(summary, sizeof(summary));
  if (sAIUser != nullptr) {
    try {
      sAIUser->MessageAlert(HostText(summary));
    } catch (...) {
      // The run is over all the same; the log holds every outcome.
    }
  }
}

// The window goes before the pause, but the run keeps its Abort until the summary has
// been shown: an Abort pressed again while the run ends must not reach the host.
void FinishRun() {
  struct AbortGivenBack {
    ~AbortGivenBack() { ProgressWindow::ReleaseAbort(); }
  } release;
  StopSpool();
  platform::SleepMilliseconds(1000);
  ShowSummary();
}

// The documents open now, to tell a document the open event made from one the user
// already had open (which the event only brings to the front).
std::set<AIDocumentHandle> OpenDocuments() {
  const AIDocumentListSuite& list = Require(sDocumentList);
  ai::int32 count = 0;
  if (AIErr error = list.Count(&count)) throw ai::Error(error);
  std::set<AIDocumentHandle> open;
  for (ai::int32 i = 0; i < count; ++i) {
    AIDocumentHandle document = nullptr;
    if (AIErr error = list.GetNthDocument(&document, i)) throw ai::Error(error);
    open.insert(document);
  }
  return open;
}

// Closes, unsaved, the document the run opened for the current file, if it is still
// open; a document the run did not open is never touched. Without the Document suite
// its changes cannot be dropped, but a document the run only opened has none.
void CloseOpenedDocument() {
  AIDocumentHandle opened = gBulkRun.openedDocument;
  gBulkRun.openedDocument = nullptr;
  if (opened == nullptr || sDocumentList == nullptr) return;
  std::set<AIDocumentHandle> open;
  try {
    open = OpenDocuments();
  } catch (...) {
    return;
  }
  if (open.count(opened) == 0) return;
  AIDocumentHandle current = nullptr;
  if (sDocument != nullptr && sDocument->GetDocument(&current) == kNoErr && current == opened)
    sDocument->SetDocumentModified(false);
  sDocumentList->Close(opened);
}

// The user's Abort: an opened file is closed unsaved and, like every file not yet
// done, counted and logged as canceled; the summary follows at once.
void AbortRun() {
  if (g->spoolState == kSpoolOpened) CloseOpenedDocument();
  GiveRemainingOutcome(FileOutcome::kOpenCanceled);
  g->spoolCount = 0;
  FinishRun();
}

// A run that cannot move on: the opened file failed to save, the files not yet
// opened failed to open; each is counted and logged so, and the summary follows.
void GiveUpRun() {
  if (g->spoolState == kSpoolOpened && g->spoolCount > 0) {
    CloseOpenedDocument();
    GiveOutcome(g->spool[0], FileOutcome::kSaveFailed);
    DropEntry();
  }
  GiveRemainingOutcome(FileOutcome::kOpenFailed);
  g->spoolCount = 0;
  FinishRun();
}

SPErr PlayOpen(const CP_SPOOL& entry) {
  ParamBlock block;
  if (SPErr error = block.Make()) return error;
  sActionManager->AIActionSetStringUS(block.get(), kNameKey, EntryPath(entry));
  sActionManager->AIActionSetInteger(block.get(), kColorKey, 2);
  return sActionManager->PlayActionEvent("adobe_openDocument", kDialogOff, block.get());
}

// One file: refused, opened, or failed to open.
void OpenStep() {
  if (g->spoolCount == 0) {
    FinishRun();
    return;
  }
  Require(sActionManager);
  PDF_CHECK_INFO info;
  PDFGetInformation(g->spool[0].path, &info);
  if (PDFIncludesTrimArea(&info)) {
    ShowOutcomeAlert(FileOutcome::kTrimArea);
    GiveOutcome(g->spool[0], FileOutcome::kTrimArea);
    DropEntry();
    return;
  }
  const double done = static_cast<double>(g->spoolTotal - g->spoolCount) / g->spoolTotal * 100.0 + 0.5;
  ProgressWindow::SetProgressPercent(static_cast<ai::int32>(done));

  const std::set<AIDocumentHandle> openBefore = OpenDocuments();
  SPErr error;
  try {
    error = PlayOpen(g->spool[0]);
  } catch (...) {
    error = StatusOfCurrentException();
  }
  if (error == kNoErr) {
    AIDocumentHandle current = nullptr;
    if (Require(sDocument).GetDocument(&current) == kNoErr && current != nullptr && openBefore.count(current) != 0) {
      // The user has this file open, perhaps with unsaved changes: saving or closing
      // it here would take their work away. It stays as it is.
      GiveOutcome(g->spool[0], FileOutcome::kAlreadyOpen);
      DropEntry();
      return;
    }
    gBulkRun.openedDocument = current;
    g->spoolState = kSpoolOpened;
    gBulkRun.ticksWaitingForDocument = 0;
    return;
  }
  GiveOutcome(g->spool[0], error == kCanceledErr ? FileOutcome::kOpenCanceled : FileOutcome::kOpenFailed);
  DropEntry();
}

void NextFile() {
  gBulkRun.openedDocument = nullptr;
  if (g->abortRequested) {
    g->spoolCount = g->spoolCount > 0 ? g->spoolCount - 1 : 0;
    if (g->spoolCount > 0) std::memmove(&g->spool[0], &g->spool[1], sizeof(CP_SPOOL) * g->spoolCount);
    GiveRemainingOutcome(FileOutcome::kOpenCanceled);
    StopSpool();
  } else {
    DropEntry();
  }
  g->spoolState = kSpoolOpenNext;
}

void SaveStep() {
  const AIDocumentSuite& document = Require(sDocument);
  Require(sActionManager);
  AIDocumentHandle current = nullptr;
  if (document.GetDocument(&current) != kNoErr || current == nullptr) {
    if (++gBulkRun.ticksWaitingForDocument < kMaxTicksWaitingForDocument) return;
    GiveOutcome(g->spool[0], FileOutcome::kOpenFailed);
    NextFile();
    return;
  }
  // The opened document must be the one saved; if the opening made none known,
  // the current one is it.
  if (gBulkRun.openedDocument == nullptr) gBulkRun.openedDocument = current;
  LogNameFromPath(EntryUTF8(g->spool[0]).c_str(), gBulkRun.entryLogName);
  g->actionMode = kActionModeBulkSave;
  sActionManager->PlayActionEvent(kKestruneInsideCommand, kDialogOff, nullptr);
  if (g->actionMode != kActionModeNone) {
    // The save command never ran (the host could not play it): the file still gets
    // its outcome, and its document does not stay open behind the run.
    g->actionMode = kActionModeNone;
    GiveOutcome(g->spool[0], FileOutcome::kSaveFailed);
    CloseOpenedDocument();
  }
  NextFile();
}

}  // namespace

void StopSpool() {
  HeapFree(g->spool);
  g->spool = nullptr;
  g->spoolCount = 0;
  g->spoolState = kSpoolIdle;
  g->logFilePath[0] = 0;
  gBulkRun.openedDocument = nullptr;
  gBulkRun.stalledTicks = 0;
  ProgressWindow::Close();
}

SPErr goTimer(AITimerMessage* message) {
  if (message->timer != g->bulkTimer || g->timerBusy != 0) return kNoErr;
  if (g->spoolState != kSpoolOpenNext && g->spoolState != kSpoolOpened) return kNoErr;
  g->timerBusy = 1;
  const ai::int32 stateBefore = g->spoolState;
  const ai::int32 countBefore = g->spoolCount;
  const int waitingBefore = gBulkRun.ticksWaitingForDocument;
  bool failed = false;
  try {
    // The user's Abort comes first on every tick, whatever the step would do.
    if (ProgressWindow::IsOpen() && ProgressWindow::IsAborted()) {
      AbortRun();
    } else if (g->spoolState == kSpoolOpenNext) {
      OpenStep();
    } else {
      SaveStep();
    }
  } catch (...) {
    failed = true;
  }
  const bool moved =
      g->spoolState != stateBefore || g->spoolCount != countBefore || gBulkRun.ticksWaitingForDocument != waitingBefore;
  if (failed && !moved && g->spoolState != kSpoolIdle) {
    if (++gBulkRun.stalledTicks >= kMaxStalledTicks) {
      try {
        GiveUpRun();
      } catch (...) {
        StopSpool();
        ProgressWindow::ReleaseAbort();
      }
    }
  } else {
    gBulkRun.stalledTicks = 0;
  }
  g->timerBusy = 0;
  return kNoErr;
}

void EndBulkUpdateAtShutdown() {
  ProgressWindow::Close();
  ProgressWindow::ReleaseAbort();
}
