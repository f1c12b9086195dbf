#include <cstring>

#include "AIActionManager.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIUser.h"
#include "IAIFilePath.hpp"
#include "actionManagerHandler/actionManagerHandler.h"
#include "actionManagerHandler/activityLog.h"
#include "common/FixedText.h"
#include "common/Heap.h"
#include "common/Texts.h"
#include "menuHandler/folderScan.h"
#include "pdf_chaeck_utility/pdf_chaeck_utility.h"
#include "platform/Clock.h"
#include "platform/ProgressWindow.h"
#include "pluginHandler/Suites.h"
#include "shellMain/ExceptionStatus.h"
#include "shellMain/PluginGlobals.h"
#include "timerHandler.h"

namespace {

constexpr ActionParamKeyID kNameKey = static_cast<ActionParamKeyID>(AIFourCharCode("name"));
constexpr ActionParamKeyID kColorKey = static_cast<ActionParamKeyID>(AIFourCharCode("colr"));
constexpr size_t kField = 512;

// A document the host reported opened but never made current is given up after
// this many ticks, so that one file cannot stall the run.
constexpr int kMaxTicksWaitingForDocument = 30;
int gTicksWaitingForDocument = 0;

ai::UnicodeString HostText(const char* shiftJis) { return ai::UnicodeString(shiftJis, kAIJapaneseCharacterEncoding); }

ai::UnicodeString EntryPath(const CP_SPOOL& entry) {
  char utf8[kScanPathUnits * 3] = {0};
  platform::UTF8FromPathText(entry.path, utf8, sizeof(utf8));
  return ai::UnicodeString(utf8, kAIUTF8CharacterEncoding);
}

void LogEntry(TextId text) {
  char logName[kField] = {0};
  try {
    ai::FilePath file;
    file.Set(EntryPath(g->spool[0]), true);
    GetCPLogFileName(file.GetFullPath(false), logName);
  } catch (...) {
    logName[0] = 0;
  }
  WriteDebugMessage(g->logFilePath, logName, "", Text(text));
}

void DropEntry() {
  --g->spoolCount;
  if (g->spoolCount > 0) std::memmove(&g->spool[0], &g->spool[1], sizeof(CP_SPOOL) * g->spoolCount);
}

void ShowSummary() {
  struct Line {
    ai::int32 PluginGlobals::*counter;
    TextId text;
  };
  const Line lines[] = {{&PluginGlobals::fontErrorCount, TextId::kSummaryFontErrors},
                        {&PluginGlobals::openErrorCount, TextId::kSummaryOpenErrors},
                        {&PluginGlobals::saveErrorCount, TextId::kSummarySaveErrors},
                        {&PluginGlobals::canceledCount, TextId::kSummaryCanceled},
                        {&PluginGlobals::unnecessaryCount, TextId::kSummaryUnnecessary},
                        {&PluginGlobals::successCount, TextId::kSummarySuccessful}};
  char summary[kField] = {0};
  CopyText(summary, sizeof(summary), Text(TextId::kSummaryHead));
  for (const Line& line : lines) {
    const ai::int32 value = g->*line.counter;
    if (value == 0) continue;
    char formatted[128];
    if (FormatCountText(formatted, sizeof(formatted), line.text, value)) AppendText(summary, sizeof(summary), formatted);
  }
  if (sAIUser != nullptr) sAIUser->MessageAlert(HostText(summary));
}

void FinishRun() {
  StopSpool();
  platform::SleepMilliseconds(1000);
  ShowSummary();
}

SPErr PlayOpen(const CP_SPOOL& entry) {
  AIActionParamValueRef block = nullptr;
  SPErr error = sActionManager->AINewActionParamValue(&block);
  if (error != kNoErr || block == nullptr) return error != kNoErr ? error : kOutOfMemoryErr;
  sActionManager->AIActionSetStringUS(block, kNameKey, EntryPath(entry));
  sActionManager->AIActionSetInteger(block, kColorKey, 2);
  error = sActionManager->PlayActionEvent("adobe_openDocument", kDialogOff, block);
  sActionManager->AIDeleteActionParamValue(block);
  return error;
}

void OpenStep() {
  if (g->spoolCount != 0 && ProgressWindow::IsOpen() && ProgressWindow::IsAborted()) {
    g->canceledCount += g->spoolCount;
    StopSpool();
  }
  if (g->spoolCount == 0) {
    FinishRun();
    return;
  }
  PDF_CHECK_INFO info;
  PDFGetInformation(g->spool[0].path, &info);
  if (PDFIncludesTrimArea(&info)) {
    if (sAIUser != nullptr) sAIUser->MessageAlert(HostText(Text(TextId::kAlertTrimArea)));
    LogEntry(TextId::kLogTrimArea);
    ++g->openErrorCount;
    DropEntry();
    return;
  }
  const double done = static_cast<double>(g->spoolTotal - g->spoolCount) / g->spoolTotal * 100.0 + 0.5;
  ProgressWindow::SetProgressPercent(static_cast<ai::int32>(done));

  SPErr error;
  try {
    error = PlayOpen(g->spool[0]);
  } catch (...) {
    error = StatusOfCurrentException();
  }
  if (error == kNoErr) {
    g->spoolState = kSpoolOpened;
    gTicksWaitingForDocument = 0;
    return;
  }
  if (error == kCanceledErr) {
    LogEntry(TextId::kLogOpenCanceled);
    ++g->canceledCount;
  } else {
    LogEntry(TextId::kLogOpenFailed);
    ++g->openErrorCount;
  }
  DropEntry();
}

void NextFile() {
  if (g->abortRequested) {
    g->canceledCount += g->spoolCount;
    StopSpool();
  } else if (g->spoolCount > 0) {
    std::memmove(&g->spool[0], &g->spool[1], sizeof(CP_SPOOL) * g->spoolCount);
  }
  g->spoolState = kSpoolOpenNext;
}

void SaveStep() {
  AIDocumentHandle current = nullptr;
  if (sDocument->GetDocument(&current) != kNoErr || current == nullptr) {
    if (++gTicksWaitingForDocument < kMaxTicksWaitingForDocument) return;
    LogEntry(TextId::kLogOpenFailed);
    ++g->openErrorCount;
    --g->spoolCount;
    NextFile();
    return;
  }
  g->actionMode = kActionModeBulkSave;
  sActionManager->PlayActionEvent(kKestruneInsideCommand, kDialogOff, nullptr);
  if (g->actionMode != kActionModeNone) {
    // The save command never ran (the host could not play it): the file still gets
    // its outcome, and its document does not stay open behind the run.
    g->actionMode = kActionModeNone;
    LogEntry(TextId::kLogSaveFailed);
    ++g->saveErrorCount;
    if (sDocument->GetDocument(&current) == kNoErr && current != nullptr && sDocumentList != nullptr) {
      sDocument->SetDocumentModified(false);
      sDocumentList->Close(current);
    }
  }
  --g->spoolCount;
  NextFile();
}

}  // namespace

void StopSpool() {
  HeapFree(g->spool);
  g->spool = nullptr;
  g->spoolCount = 0;
  g->spoolState = kSpoolIdle;
  g->logFilePath[0] = 0;
  ProgressWindow::Close();
}

SPErr goTimer(AITimerMessage* message) {
  if (message->timer != g->bulkTimer || g->timerBusy != 0) return kNoErr;
  g->timerBusy = 1;
  try {
    if (g->spoolState == kSpoolOpenNext || g->spoolState == kSpoolOpened) {
      Require(sDocument);
      Require(sActionManager);
      if (g->spoolState == kSpoolOpenNext) {
        OpenStep();
      } else {
        SaveStep();
      }
    }
  } catch (...) {
    // A host that cannot lend what a step needs: the run stays where it is and the
    // next tick tries again.
  }
  g->timerBusy = 0;
  return kNoErr;
}

void EndBulkUpdateAtShutdown() { ProgressWindow::Close(); }
