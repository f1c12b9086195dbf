// Every file the plug-in works on gets exactly one outcome, and every outcome exactly
// one log line and one counter. What each outcome shows, logs, counts and returns is
// written here once; this is the only code that raises or resets a counter.
#ifndef KESTRUNE_FILEOUTCOME_H
#define KESTRUNE_FILEOUTCOME_H

#include <cstddef>

#include "AITypes.h"
#include "common/Texts.h"
#include "shellMain/PluginGlobals.h"

enum class FileOutcome {
  // The save command's.
  kMissingFonts,
  kLegacyText,
  kNoText,
  kNoName,
  kSaved,
  kSaveCanceled,
  kSaveFailed,
  // The bulk update's own, for a file it does not hand to the save command.
  kTrimArea,
  kAlreadyOpen,  // the user has the file open: it is left as it is
  kOpenCanceled,
  kOpenFailed,
};

// An outcome that shows no alert.
constexpr TextId kNoAlert = TextId::kTextCount;

struct FileOutcomeRow {
  FileOutcome outcome;
  TextId alert;  // or kNoAlert
  TextId log;
  bool namesCopy;  // the log line names the updated copy the outcome concerns
  ai::int32 PluginGlobals::*counter;
  // What a host that played the action itself gets back: 0 or a four-character code. A
  // failed save passes on the save's own instead (OutcomeStatus).
  SPErr status;
};

const FileOutcomeRow& OutcomeRow(FileOutcome outcome);

// The result code of the save command for a host that played it: the outcome's status,
// or saveStatus for a failed save.
SPErr OutcomeStatus(FileOutcome outcome, SPErr saveStatus);

// The outcome's alert in the host's language, if it has one and the User suite is held.
void ShowOutcomeAlert(FileOutcome outcome);

// Gives a file its outcome: its line in the log of the bulk update under way (the
// updated copy named where the outcome concerns one) and one more on its counter. A line
// the log cannot take is counted for the summary to tell.
void RecordFileOutcome(FileOutcome outcome, const char* logName, const char* updatedCopy);

// Before a command counts anything: every counter at 0, no line lost.
void ResetOutcomeCounters();

// The summary of a run into field (capacity bytes): the head, then the line of every
// counter that is not 0 in a fixed order, and last the lines the log could not take.
void ComposeSummary(char* field, size_t capacity);

#endif
