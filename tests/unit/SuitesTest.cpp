// Suite acquisition and release, called directly with a simulated host's basic suite.
#include <gtest/gtest.h>

#include "ATETypes.h"
#include "core/Host.h"
#include "pluginHandler/Suites.h"
#include "shellMain/ExceptionStatus.h"
#include "shellMain/PluginGlobals.h"
#include "PlatformExpectations.h"

namespace {

class SuitesTest : public testing::Test {
 protected:
  void TearDown() override {
    while (gAcquireCount > 0) releaseSuites(host.basicSuite());
  }
  simhost::Host host;
};

TEST_F(SuitesTest, OnlyTheOutermostCallAcquiresAndReleases) {
  ASSERT_EQ(acquireSuites(host.basicSuite()), kSPNoError);
  EXPECT_EQ(gAcquireCount, 1);
  EXPECT_NE(sAIUser, nullptr);
  const void* user = sAIUser;
  EXPECT_EQ(host.suites().acquireCalls(), 131);
  EXPECT_EQ(acquireSuites(host.basicSuite()), kSPNoError);
  EXPECT_EQ(gAcquireCount, 2);
  releaseSuites(host.basicSuite());
  EXPECT_EQ(gAcquireCount, 1);
  EXPECT_EQ(sAIUser, user) << "the inner call leaves every variable as it was";
  EXPECT_EQ(host.suites().acquireCalls(), 131);
  EXPECT_EQ(host.suites().releaseCalls(), 0);
  releaseSuites(host.basicSuite());
  EXPECT_EQ(gAcquireCount, 0);
  EXPECT_EQ(sAIUser, nullptr);
  for (int i = 0; i < kImportCount; ++i) EXPECT_EQ(*imports[i].target, nullptr) << imports[i].name;
  EXPECT_EQ(host.suites().outstanding(), 0);
}

TEST_F(SuitesTest, TheTableAsksForTheHostsVersions) {
  ASSERT_EQ(kImportCount, 131);
  EXPECT_STREQ(imports[0].name, "SP Blocks Suite");
  EXPECT_EQ(imports[0].version, 2);
  EXPECT_STREQ(imports[10].name, "AI Document Suite");
  EXPECT_EQ(imports[10].version, 20) << "Linux asks for the Windows numbers";
  EXPECT_STREQ(imports[130].name, "AI Unicode String Suite");
  EXPECT_EQ(imports[130].version, 9);
  for (int i = 0; i < kImportCount; ++i)
    EXPECT_TRUE(host.suites().IsPublished(imports[i].name, imports[i].version)) << imports[i].name;
}

TEST_F(SuitesTest, OnlyTheLastRowsStatusIsReported) {
  host.suites().Withhold("AI Menu Suite");
  testing::internal::CaptureStderr();
  EXPECT_EQ(acquireSuites(host.basicSuite()), kSPNoError);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(sMenu, nullptr);
  EXPECT_NE(sTimer, nullptr);
  releaseSuites(host.basicSuite());

  simhost::Host other;
  other.suites().Withhold("AI Unicode String Suite");
  testing::internal::CaptureStderr();
  EXPECT_EQ(acquireSuites(other.basicSuite()), kSPSuiteNotFoundError);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(gAcquireCount, 1) << "the count rises whatever the status";
  releaseSuites(other.basicSuite());
  EXPECT_EQ(other.suites().outstanding(), 0);
}

TEST_F(SuitesTest, FailuresBeforeTheUserSuiteAreNotReported) {
  host.suites().Withhold("SP Access Suite");
  host.suites().Withhold("AI Layer Suite");
  testing::internal::CaptureStderr();
  acquireSuites(host.basicSuite());
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(log, testing_support::SuiteFailureReport("Error: 1394689636, suite: AI Layer Suite, version: 13!"));
  releaseSuites(host.basicSuite());
}

TEST_F(SuitesTest, AFailingReleaseStopsTheLoop) {
  ASSERT_EQ(acquireSuites(host.basicSuite()), kSPNoError);
  host.faults().Inject("release:AI Document Suite", kBadParameterErr);
  releaseSuites(host.basicSuite());
  EXPECT_EQ(gAcquireCount, 0);
  EXPECT_EQ(sArt, nullptr) << "rows before the failure are released";
  EXPECT_NE(sDocument, nullptr) << "the failing row keeps its variable";
  EXPECT_NE(sAIUnicodeString, nullptr) << "rows after it stay held";
  EXPECT_EQ(host.suites().outstanding(), 131 - 10);
  for (int i = 0; i < kImportCount; ++i) *imports[i].target = nullptr;
}

TEST(ExceptionStatus, EachKindBecomesAStatus) {
  auto statusOf = [](auto thrower) {
    try {
      thrower();
    } catch (...) {
      return StatusOfCurrentException();
    }
    return SPErr(0);
  };
  EXPECT_EQ(statusOf([] { throw ai::Error(AIFourCharCode("PARM")); }), AIFourCharCode("PARM"));
  EXPECT_EQ(statusOf([] { throw ATE::Exception(ATE::kBadParameter); }), kTextEngineErr);
  EXPECT_EQ(statusOf([] { throw std::bad_alloc(); }), kOutOfMemoryErr);
  EXPECT_EQ(statusOf([] { throw 42; }), kCantHappenErr);
}

}  // namespace
