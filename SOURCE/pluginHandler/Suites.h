// Suite acquisition around every call into the plug-in.
#ifndef KESTRUNE_SUITES_H
#define KESTRUNE_SUITES_H

#include "pluginHandler/AISuiteVariables.h"
#include "SPBasic.h"
#include "shellMain/Handlers.h"  // acquireSuites, releaseSuites

struct ImportSuite {
  const char* name;
  ai::int32 version;
  const void** target;
};

// One row per suite of the catalogue, in its order.
#define KSR_COUNT_SUITE(type, name, version, var) +1
constexpr int kImportCount = 0 KSR_SUITE_CATALOG(KSR_COUNT_SUITE);
#undef KSR_COUNT_SUITE
extern const ImportSuite imports[kImportCount];

// A suite the host did not lend is a failed call with the host's "suite not found"
// status, never a call through null.
template <typename SuiteT>
SuiteT& Require(SuiteT* suite) {
  if (suite == nullptr) throw ai::Error(kSPSuiteNotFoundError);
  return *suite;
}

#endif
