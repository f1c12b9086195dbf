#include "platform/SystemLog.h"

#include <syslog.h>

namespace platform {

// The host shows no alert this early in a call; the system log keeps the line for
// whoever looks into a misbehaving host.
void ReportSuiteAcquisitionFailure(const char* message) {
  syslog(LOG_ERR, "acquire_suites_error : %s", message != nullptr ? message : "");
}

}  // namespace platform
