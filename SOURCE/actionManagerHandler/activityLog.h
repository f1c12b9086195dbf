// The activity log of a bulk update: "Kestrune.log" in the chosen folder, one CSV line
// per outcome, appended in UTF-8.
#ifndef KESTRUNE_ACTIVITYLOG_H
#define KESTRUNE_ACTIVITYLOG_H

#include <cstddef>
#include <string>

#include "AITypes.h"
#include "IAIUnicodeString.h"
#include "platform/TextConversion.h"

// Paths, names and messages travel in fields of this size (at most 511 bytes of text).
constexpr size_t kLogFieldBytes = 512;
constexpr char kLogFileName[] = "Kestrune.log";

// Converts one of the program's Shift-JIS texts into destination (capacity bytes, a
// signed size as the callers hold it), always zero-terminated. A text that does not fit
// is handled by the platform's rule: cut behind its last whole character, or nothing.
void ShiftJISToUTF8(const char* source, char* destination, long capacity);

// The name a document is logged under, into out (kLogFieldBytes): RelativeLogName in the
// log of the bulk update (g->logFilePath). Raises ai::Error when the host cannot convert
// the path.
void GetCPLogFileName(ai::UnicodeString fullPath, char* out);

// The name a document with this full path (UTF-8) has in the log at logPath, into out
// (kLogFieldBytes): its path relative to the log's folder (logPath without
// "Kestrune.log") where it lies in it, else its full path. A name longer than the field
// keeps its end behind "...".
void RelativeLogName(const char* logPath, const std::string& fullPath, char* out);

// The name a file of the bulk list is logged under when the host cannot give it,
// from its UTF-8 path as the list holds it: relative to the bulk folder as above,
// bytes that are not UTF-8 shown as U+FFFD, into out (kLogFieldBytes).
void LogNameFromPath(const char* utf8Path, char* out);
// text[0, length) with each byte that does not belong to a valid UTF-8 character
// replaced by U+FFFD.
std::string ValidUTF8(const char* text, size_t length);

// Appends one line for the bulk update under way (see LogLinesDue): AppendLogLine.
// Nothing happens outside a bulk update. False when a line of a run is not written, so
// that the summary can tell.
bool WriteDebugMessage(const char* logPath, const char* documentName, const char* updatedPath, const char* message);

// Whether lines are written: while a bulk update saves a file (actionMode 1002) or its
// timer step runs (timerBusy set).
bool LogLinesDue(ai::int32 actionMode, ai::int16 timerBusy);

// Appends one line to the log at logPath: time stamp, document name, file name of
// updatedPath (or empty), message (Shift-JIS or ASCII), each a quoted CSV field. False
// when it is not written: no log path or document name, a log that cannot be written.
bool AppendLogLine(const char* logPath, const char* documentName, const char* updatedPath, const char* message);

// text as one CSV field: in double quotes, each double quote inside written twice.
// Everything else stays as it is, line breaks and a leading "=", "+", "-" or "@"
// included: the log names each file exactly, so that a reader can find it.
std::string CSVField(const char* text);

// The log path for a bulk update of folder (UTF-8): the folder, the platform's separator
// and "Kestrune.log", into out (kLogFieldBytes). False, with out empty, when it does not
// fit.
bool MakeLogFilePath(const char* folder, char* out);

// Building blocks, shared with the updated-name and folder routines.

// Length of the longest start of text[0, length) that ends on a whole UTF-8 character
// and has at most limit bytes.
size_t WholeUTF8Prefix(const char* text, size_t length, size_t limit);
// Puts converted text into destination (capacity bytes) by the overflow rule given.
void FitConvertedText(const std::string& utf8, char* destination, long capacity, platform::ConversionOverflow rule);

#endif
