#include "Documents.h"

#include "SuiteRegistry.h"

namespace simhost {

void PublishDocumentSuites(SuiteRegistry&) {}

}  // namespace simhost
