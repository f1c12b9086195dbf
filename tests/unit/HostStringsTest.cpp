// The string and path wrappers over the simulated host's suites: each method is one
// host call, and a failing call raises.
#include <gtest/gtest.h>

#include "DirectPlugin.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"
#include "suites/Memory.h"
#include "suites/Strings.h"

namespace {

class HostStringsTest : public testing::Test {
 protected:
  testing_support::DirectPlugin plugin_;
};

TEST_F(HostStringsTest, StringOperations) {
  {
    ai::UnicodeString name("brochure.AIC", kAIUTF8CharacterEncoding);
    EXPECT_EQ(name.length(), 12u);
    EXPECT_EQ(name.substr(8, 4).caseCompare(ai::UnicodeString(".aic")), 0);
    EXPECT_NE(name.substr(0, 4).caseCompare(ai::UnicodeString(".aic")), 0);
    EXPECT_THROW(name.substr(13, 1), ai::Error) << "past the end";
    ai::UnicodeString japanese("\x95\xB6\x8E\x9A", kAIJapaneseCharacterEncoding);
    EXPECT_EQ(japanese.getInStdString(kAIUTF8CharacterEncoding), "文字");
    EXPECT_EQ(japanese.length(), 2u);
    ai::UnicodeString copy = japanese;
    EXPECT_EQ(copy.getInStdString(kAIJapaneseCharacterEncoding), "\x95\xB6\x8E\x9A");
    EXPECT_THROW(ai::UnicodeString("\xE6\x96", kAIUTF8CharacterEncoding), ai::Error) << "not UTF-8";
    EXPECT_TRUE(ai::UnicodeString().empty());
  }
  EXPECT_EQ(simhost::LiveStrings(), 0) << "every host string is destroyed";
  EXPECT_EQ(plugin_.host().memory().liveBlocks(), 0u) << "text handed back in host blocks is freed";
}

TEST_F(HostStringsTest, AFailingCallRaisesItsStatus) {
  plugin_.host().faults().Inject("AIUnicodeStringSuite.GetAs", AIFourCharCode("BOOM"));
  ai::UnicodeString text("x");
  try {
    text.getInStdString(kAIUTF8CharacterEncoding);
    ADD_FAILURE() << "no exception";
  } catch (const ai::Error& e) {
    EXPECT_EQ(static_cast<AIErr>(e), AIFourCharCode("BOOM"));
  }
}

TEST_F(HostStringsTest, PathOperations) {
  ai::FilePath path(ai::UnicodeString("/tmp/some folder/flyer.backup.AI", kAIUTF8CharacterEncoding));
  EXPECT_EQ(path.GetFileName().as_UTF8(), "flyer.backup.AI");
  EXPECT_EQ(path.GetFileExtension().as_UTF8(), "AI");
  EXPECT_EQ(path.GetFullPath().as_UTF8(), "/tmp/some folder/flyer.backup.AI");
  EXPECT_EQ(path.GetDirectory().as_UTF8(), "/tmp/some folder");
  EXPECT_FALSE(path.Exists(false));
  bool isFile = true;
  EXPECT_TRUE(ai::FilePath(ai::UnicodeString("/tmp")).Exists(false, nullptr, &isFile));
  EXPECT_FALSE(isFile);
  EXPECT_EQ(ai::FilePath(ai::UnicodeString("drawing")).GetFileExtension().as_UTF8(), "");
  EXPECT_TRUE(ai::FilePath().IsEmpty());
}

TEST_F(HostStringsTest, AWithheldSuiteRaisesInsteadOfBeingCalled) {
  simhost::HostConfig config;
  config.withheldSuites = {"AI Unicode String Suite", "AI File Path Suite"};
  testing_support::DirectPlugin withheld(config);
  try {
    ai::UnicodeString text("x");
    ADD_FAILURE() << "no exception";
  } catch (const ai::Error& e) {
    EXPECT_EQ(static_cast<AIErr>(e), kSPSuiteNotFoundError);
  }
  EXPECT_THROW(ai::FilePath().GetFullPath(), ai::Error);
}

}  // namespace
