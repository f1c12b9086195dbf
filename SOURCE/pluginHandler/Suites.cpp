#include "Suites.h"

#include <cstdio>

#include "common/Texts.h"
#include "shellMain/PluginGlobals.h"
#include "platform/SystemLog.h"

#define KSR_DEFINE_SUITE_VARIABLE(type, name, version, var) const type* var = nullptr;
KSR_SUITE_CATALOG(KSR_DEFINE_SUITE_VARIABLE)
#undef KSR_DEFINE_SUITE_VARIABLE

#define KSR_IMPORT_ROW(type, name, version, var) {name, version, reinterpret_cast<const void**>(&var)},
const ImportSuite imports[kImportCount] = {KSR_SUITE_CATALOG(KSR_IMPORT_ROW)};
#undef KSR_IMPORT_ROW

SPErr acquireSuites(SPBasicSuite* basic) {
  if (gAcquireCount != 0) {
    ++gAcquireCount;
    return kSPNoError;
  }
  SPErr status = kSPNoError;
  for (int i = 0; i < kImportCount; ++i) {
    const ImportSuite& row = imports[i];
    if (row.target == nullptr) continue;
    status = basic->AcquireSuite(row.name, row.version, row.target);
    if (status != kSPNoError) {
      *row.target = nullptr;
      if (sAIUser != nullptr) {
        char message[256];
        std::snprintf(message, sizeof(message), Text(TextId::kSuiteAcquisitionError), static_cast<int>(status),
                      row.name, static_cast<int>(row.version));
        platform::ReportSuiteAcquisitionFailure(message);
      }
    }
  }
  ++gAcquireCount;
  return status;
}

void releaseSuites(SPBasicSuite* basic) {
  if (gAcquireCount == 1) {
    for (int i = 0; i < kImportCount; ++i) {
      const ImportSuite& row = imports[i];
      // A suite that was never lent is not given back: the host would refuse it and
      // every suite after it would stay held.
      if (row.target == nullptr || *row.target == nullptr) continue;
      if (basic->ReleaseSuite(row.name, row.version) != kSPNoError) break;
      *row.target = nullptr;
    }
  }
  --gAcquireCount;
}
