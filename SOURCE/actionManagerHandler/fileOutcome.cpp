#include "fileOutcome.h"

#include "AIUser.h"
#include "activityLog.h"
#include "common/FixedText.h"
#include "pluginHandler/AISuiteVariables.h"

namespace {

constexpr SPErr kMissingFontsErr = AIFourCharCode("MiFn");
constexpr SPErr kNoTextErr = AIFourCharCode("NoTx");
constexpr SPErr kNoNameErr = AIFourCharCode("NAM2");

using O = FileOutcome;
using T = TextId;
using P = PluginGlobals;

// One row per outcome, in the enumeration's order.
constexpr FileOutcomeRow kOutcomes[] = {
    {O::kMissingFonts, T::kAlertMissingFonts, T::kLogMissingFonts, false, &P::fontErrorCount, kMissingFontsErr},
    {O::kLegacyText, T::kAlertLegacyText, T::kLogLegacyText, false, &P::openErrorCount, kNoTextErr},
    {O::kNoText, T::kAlertNoText, T::kLogNoText, false, &P::unnecessaryCount, kNoTextErr},
    {O::kNoName, T::kAlertNoName, T::kLogNoName, false, &P::saveErrorCount, kNoNameErr},
    {O::kSaved, T::kSaveCompleted, T::kSaveCompleted, true, &P::successCount, kNoErr},
    {O::kSaveCanceled, T::kAlertSaveCanceled, T::kLogSaveCanceled, true, &P::canceledCount, kCanceledErr},
    {O::kSaveFailed, T::kAlertSaveFailed, T::kLogSaveFailed, true, &P::saveErrorCount, kNoErr},
    // Never played by the host: their status is not returned to it.
    {O::kTrimArea, T::kAlertTrimArea, T::kLogTrimArea, false, &P::openErrorCount, kNoErr},
    {O::kAlreadyOpen, kNoAlert, T::kLogAlreadyOpen, false, &P::openErrorCount, kNoErr},
    {O::kOpenCanceled, kNoAlert, T::kLogOpenCanceled, false, &P::canceledCount, kNoErr},
    {O::kOpenFailed, kNoAlert, T::kLogOpenFailed, false, &P::openErrorCount, kNoErr},
};

// The counters, in the order the summary lists them, each with its summary line.
struct CounterLine {
  ai::int32 PluginGlobals::*counter;
  TextId line;
};
constexpr CounterLine kCounterLines[] = {
    {&P::fontErrorCount, T::kSummaryFontErrors},    {&P::openErrorCount, T::kSummaryOpenErrors},
    {&P::saveErrorCount, T::kSummarySaveErrors},    {&P::canceledCount, T::kSummaryCanceled},
    {&P::unnecessaryCount, T::kSummaryUnnecessary}, {&P::successCount, T::kSummarySuccessful},
};

constexpr bool RowsFollowTheEnumeration() {
  for (size_t i = 0; i < sizeof(kOutcomes) / sizeof(kOutcomes[0]); ++i)
    if (kOutcomes[i].outcome != static_cast<FileOutcome>(i)) return false;
  return sizeof(kOutcomes) / sizeof(kOutcomes[0]) == static_cast<size_t>(FileOutcome::kOpenFailed) + 1;
}
static_assert(RowsFollowTheEnumeration(), "one row per outcome, in the enumeration's order");

// A counter the summary did not list would count files nobody is told of.
constexpr bool EveryCounterIsSummed() {
  for (const FileOutcomeRow& row : kOutcomes) {
    bool listed = false;
    for (const CounterLine& line : kCounterLines) listed = listed || line.counter == row.counter;
    if (!listed) return false;
  }
  return true;
}
static_assert(EveryCounterIsSummed(), "every outcome's counter has its summary line");

}  // namespace

const FileOutcomeRow& OutcomeRow(FileOutcome outcome) { return kOutcomes[static_cast<size_t>(outcome)]; }

SPErr OutcomeStatus(FileOutcome outcome, SPErr saveStatus) {
  return outcome == FileOutcome::kSaveFailed ? saveStatus : OutcomeRow(outcome).status;
}

void ShowOutcomeAlert(FileOutcome outcome) {
  const TextId alert = OutcomeRow(outcome).alert;
  if (alert == kNoAlert || sAIUser == nullptr) return;
  sAIUser->MessageAlert(ai::UnicodeString(Text(alert), kAIJapaneseCharacterEncoding));
}

void RecordFileOutcome(FileOutcome outcome, const char* logName, const char* updatedCopy) {
  const FileOutcomeRow& row = OutcomeRow(outcome);
  const char* copy = row.namesCopy && updatedCopy != nullptr ? updatedCopy : "";
  if (!WriteDebugMessage(g->logFilePath, logName, copy, Text(row.log))) ++gBulkRun.logLinesLost;
  ++(g->*row.counter);
}

void ResetOutcomeCounters() {
  for (const CounterLine& line : kCounterLines) g->*line.counter = 0;
  gBulkRun.logLinesLost = 0;
}

void ComposeSummary(char* field, size_t capacity) {
  if (field == nullptr || capacity == 0) return;
  CopyText(field, capacity, Text(TextId::kSummaryHead));
  auto append = [&](TextId text, ai::int32 value) {
    if (value == 0) return;
    char formatted[128];
    if (FormatCountText(formatted, sizeof(formatted), text, value)) AppendText(field, capacity, formatted);
  };
  for (const CounterLine& line : kCounterLines) append(line.line, g->*line.counter);
  // Last: whatever else the summary says, the log lacks these files.
  append(TextId::kSummaryLogLinesLost, gBulkRun.logLinesLost);
}
