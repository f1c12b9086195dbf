#include "platform/SystemLog.h"

#include <cstdio>

namespace platform {

// A terminal program's log is its standard error.
void ReportSuiteAcquisitionFailure(const char* message) {
  std::fprintf(stderr, "acquire_suites_error : %s\n", message);
}

}  // namespace platform
