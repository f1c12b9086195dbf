// The platform's system log, for failures the plug-in cannot show in an alert.
#ifndef KESTRUNE_PLATFORM_SYSTEMLOG_H
#define KESTRUNE_PLATFORM_SYSTEMLOG_H

namespace platform {

// A suite the host did not lend. Windows reports nothing; macOS writes
// "acquire_suites_error : <message>" to the system log; Linux to standard error.
void ReportSuiteAcquisitionFailure(const char* message);

}  // namespace platform

#endif
