// The plug-in's global state record, kept by the host between calls.
#ifndef KESTRUNE_PLUGINGLOBALS_H
#define KESTRUNE_PLUGINGLOBALS_H

#include "AITypes.h"
#include "SPBasic.h"
#include "SPMessages.h"

#if defined(_WIN32)
#include <basetsd.h>
#endif

struct CP_SPOOL;

// What the save command is running for.
constexpr ai::int32 kActionModeNone = 0;
constexpr ai::int32 kActionModeSingleSave = 1001;
constexpr ai::int32 kActionModeBulkSave = 1002;

// Steps of a bulk update.
constexpr ai::int32 kSpoolIdle = 0;
constexpr ai::int32 kSpoolOpenNext = 1;
constexpr ai::int32 kSpoolOpened = 2;

constexpr ai::int32 kJapaneseLanguage = 1;

struct PluginGlobals {
  AIMenuItemHandle saveAsMenuItem;
  AIMenuItemHandle bulkUpdateMenuItem;
  AIMenuItemHandle bulkUpdateRecursiveMenuItem;
  AITimerHandle bulkTimer;
  AINotifierHandle appStartedNotifier;
  AINotifierHandle saveAsPreNotifier;
  char pluginVersion[64];
  char pluginName[64];
  ai::int32 actionMode;
  ai::int32 appMajorVersion;
  ai::int32 appMinorVersion;
  ai::int32 appRevision;
  ai::int32 appLanguage;
  char logFilePath[512];
  CP_SPOOL* spool;
  ai::int32 spoolCount;
  ai::int32 spoolState;
  ai::int16 timerBusy;
#if defined(_WIN32)
  UINT_PTR pumpTimerId;
#endif
  ai::int32 fontErrorCount;
  ai::int32 saveErrorCount;
  ai::int32 openErrorCount;
  ai::int32 unnecessaryCount;
  ai::int32 successCount;
  ai::int32 canceledCount;
  ai::int32 spoolTotal;
  ai::int16 abortRequested;
  ai::int16 suppressAlerts;
  ai::int16 recursive;
};

// The bulk update's own working state. It is kept beside the record, not in it: the
// record's fields are a fixed layout, and this state matters only while a run is under way.
struct BulkRunState {
  // The document the run opened for the current file: the only one it may close.
  AIDocumentHandle openedDocument;
  // Ticks the current file, opened by the host, has waited to become the current document.
  int ticksWaitingForDocument;
  // Ticks in a row whose step failed and moved the run nowhere.
  int stalledTicks;
  // The current file's name in the log as its entry in the list gives it, for the save
  // command to log a document the host cannot name (UTF-8).
  char entryLogName[512];
  // Lines of the run that its log could not take.
  ai::int32 logLinesLost;
};

extern PluginGlobals* g;
extern BulkRunState gBulkRun;
extern SPBasicSuite* sSPBasic;
extern ai::int16 gAcquireCount;

#endif
