#include "common/HostExtensions.h"

ai::int32 HostUILanguage(const AIRuntimeSuite& runtime) {
  ai::int32 language = 0;
  if (runtime.GetAppUILanguage == nullptr || runtime.GetAppUILanguage(&language) != kNoErr) return 0;
  return language;
}

bool CurrentDocumentIsCloud(const AIDocumentSuite& document) {
  return document.IsCloudDocument != nullptr && document.IsCloudDocument() != 0;
}

AIErr GetCurrentCloudDocumentName(const AIDocumentSuite& document, ai::UnicodeString& name) {
  if (document.GetCloudDocumentName == nullptr) return kBadParameterErr;
  return document.GetCloudDocumentName(name);
}
