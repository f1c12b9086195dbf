#include "documentEligibility.h"

#include "AIDocument.h"
#include "IAIFilePath.hpp"
#include "pluginHandler/Suites.h"
#include "updatedFileName.h"

namespace {

// A cloud name of five or more characters must end in ".aic"; shorter ones pass.
bool HasCloudExtension(const ai::UnicodeString& name) {
  const ai::UnicodeString::size_type length = name.length();
  if (length < 5) return true;
  return name.substr(length - 4, 4).caseCompare(ai::UnicodeString(".aic", kAIPlatformCharacterEncoding)) == 0;
}

}  // namespace

SPErr CheckDocumentEligibility() {
  const AIDocumentSuite& document = Require(sDocument);
  if (document.IsCloudAIDocument()) {
    ai::UnicodeString name;
    if (document.GetDocumentFileName(name) != kNoErr) return kUnsavedDocumentErr;
    if (!HasCloudExtension(name)) return kNotAnAIFileErr;
    if (CheckCPComposition(name)) return kAlreadyUpdatedErr;
    return kNoErr;
  }
  Require(sAIFilePath);  // the host fills the path; only its suite can give it back
  ai::FilePath file;
  if (document.GetDocumentFileSpecification(file) != kNoErr || !file.Exists(false)) return kUnsavedDocumentErr;
  if (file.GetFileExtension().caseCompare(ai::UnicodeString("ai", kAIPlatformCharacterEncoding)) != 0)
    return kNotAnAIFileErr;
  if (CheckCPComposition(file.GetFileName(false))) return kAlreadyUpdatedErr;
  return kNoErr;
}
