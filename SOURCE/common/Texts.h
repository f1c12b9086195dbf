// The program's texts. Each is stored twice: Japanese as Shift-JIS bytes and English
// as ASCII; the host's language picks one.
#ifndef KESTRUNE_TEXTS_H
#define KESTRUNE_TEXTS_H

#include <cstddef>

#include "AITypes.h"

enum class TextId {
  // Menu and action titles.
  kMenuGroupTitle,
  kMenuSaveAs,
  kMenuBulkUpdate,
  kMenuBulkUpdateRecursive,
  kActionSaveAsTitle,
  kActionInsideCommandTitle,
  // Save command: alerts and their log lines.
  kAlertMissingFonts,
  kLogMissingFonts,
  kAlertLegacyText,
  kLogLegacyText,
  kAlertNoText,
  kLogNoText,
  kAlertNoName,
  kLogNoName,
  kSaveCompleted,
  kAlertSaveCanceled,
  kLogSaveCanceled,
  kAlertSaveFailed,
  kLogSaveFailed,
  // The question after a canceled save during a bulk update, in these pieces and in
  // this order (kBulkQuestionPieces). The English question has no second piece.
  kBulkQuestionCanceled,
  kBulkQuestionNotUpdated,
  kBulkQuestionEnd,
  kBulkQuestionChoices,
  // Menu commands. kConfirmBulkUpdate takes the number of files.
  kConfirmSaveAs,
  kConfirmBulkUpdate,
  kNoApplicableFiles,
  kFolderPathTooLong,
  kFilesLeftOutPathTooLong,  // takes the number of files left out
  // Bulk update: refusals, their log lines and the summary. Each summary line takes its
  // counter's value.
  kAlertTrimArea,
  kLogTrimArea,
  kLogOpenCanceled,
  kLogOpenFailed,
  kLogAlreadyOpen,  // a document the user has open is left as it is
  kSummaryHead,
  kSummaryFontErrors,
  kSummaryOpenErrors,
  kSummarySaveErrors,
  kSummaryCanceled,
  kSummaryUnnecessary,
  kSummarySuccessful,
  kSummaryLogLinesLost,  // lines of the run its log could not take
  // Progress window.
  kProgressTitle,
  kProgressAbort,
  // The mark of an updated copy's name, stored form: Japanese "[CP_" + Shift-JIS,
  // English "[CP_updated_". Both are recognised whatever the host language.
  kUpdatedNameMarker,
  // Failure reports, the same in both languages.
  kErrorAlertFormat,
  kSuiteAcquisitionError,
  kTextCount
};

// The pieces of the bulk question, in the order they are joined.
constexpr TextId kBulkQuestionPieces[] = {TextId::kBulkQuestionCanceled, TextId::kBulkQuestionNotUpdated,
                                          TextId::kBulkQuestionEnd, TextId::kBulkQuestionChoices};

// The text in the language code given (1 is Japanese, anything else English).
const char* TextFor(TextId id, ai::int32 language);
// The text in the running host's language.
const char* Text(TextId id);

// True for the texts that hold one "%d" for a number of files.
bool TextTakesCount(TextId id);
// Formats a text that takes a count, in the running host's language, into a field of
// capacity bytes. False, with the field empty, for any other text or when the result
// does not fit.
bool FormatCountText(char* field, size_t capacity, TextId id, ai::int32 count);

#endif
