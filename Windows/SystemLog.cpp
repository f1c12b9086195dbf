#include "platform/SystemLog.h"

namespace platform {

// The Windows build keeps no log of its own; a missing suite shows as the error alert.
void ReportSuiteAcquisitionFailure(const char*) {}

}  // namespace platform
