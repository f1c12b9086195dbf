// The adapter over the host operations we named ourselves: what the plug-in gets when a
// host lacks one, fails it, or answers.
#include <gtest/gtest.h>

#include "common/HostExtensions.h"

namespace {

AIErr Japanese(ai::int32* language) {
  *language = 1;
  return kNoErr;
}
AIErr Failing(ai::int32* language) {
  *language = 7;  // written, but the call failed: not to be believed
  return kBadParameterErr;
}
AIBoolean Cloud() { return 1; }
AIErr CloudName(ai::UnicodeString&) { return kNoErr; }
AIErr NoCloudName(ai::UnicodeString&) { return AIFourCharCode("STOP"); }

TEST(HostExtensionsTest, LanguageFromTheRuntime) {
  AIRuntimeSuite runtime{};
  EXPECT_EQ(HostUILanguage(runtime), 0) << "a host without the operation";
  runtime.GetAppUILanguage = Failing;
  EXPECT_EQ(HostUILanguage(runtime), 0);
  runtime.GetAppUILanguage = Japanese;
  EXPECT_EQ(HostUILanguage(runtime), 1);
}

TEST(HostExtensionsTest, CloudDocumentQuestions) {
  AIDocumentSuite document{};
  ai::UnicodeString name;
  EXPECT_FALSE(CurrentDocumentIsCloud(document));
  EXPECT_EQ(GetCurrentCloudDocumentName(document, name), kBadParameterErr);
  document.IsCloudDocument = Cloud;
  document.GetCloudDocumentName = CloudName;
  EXPECT_TRUE(CurrentDocumentIsCloud(document));
  EXPECT_EQ(GetCurrentCloudDocumentName(document, name), kNoErr);
  document.GetCloudDocumentName = NoCloudName;
  EXPECT_EQ(GetCurrentCloudDocumentName(document, name), AIFourCharCode("STOP"));
}

}  // namespace
