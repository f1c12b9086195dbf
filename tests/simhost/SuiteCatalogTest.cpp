// The host's catalogue and what it makes of a request for a suite.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "AIMenu.h"
#include "core/Host.h"
#include "core/SuiteCatalog.h"

namespace {

using simhost::CatalogPlatform;

TEST(SuiteCatalog, AddsAThousandOnMacOSToTheApplicationsOwnSuitesOnly) {
  const simhost::SuiteCatalog windows(CatalogPlatform::kWindows), mac(CatalogPlatform::kMacOS);
  struct Case {
    const char* name;
    ai::int32 windowsVersion, macVersion;
  } cases[] = {
      {"AI Document Suite", 20, 1020},
      {"AIATE Paint Suite", 3, 1003},
      {"Override AI Color Conversion Suite", 9, 1009},
      {"AI Unicode String Suite", 9, 1009},
      {"SP Blocks Suite", 2, 2},
      {"SP Basic Suite", 4, 4},
      {"ATE TextFrame Suite", 101, 101},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(windows.VersionOf(c.name), c.windowsVersion) << c.name;
    EXPECT_EQ(mac.VersionOf(c.name), c.macVersion) << c.name;
  }
  EXPECT_FALSE(windows.VersionOf("AI Menu Suit").has_value());
  std::set<std::string> names;
  for (const auto& entry : windows.entries()) names.insert(entry.name);
  EXPECT_EQ(names.size(), windows.entries().size()) << "each name once";
}

TEST(SuiteCatalog, TheNativePlatformIsTheOneTheHostsHeadersCarry) {
  const simhost::SuiteCatalog native;
  EXPECT_EQ(native.VersionOf(kAIMenuSuite), kAIMenuSuiteVersion);
}

TEST(SuiteRegistry, RefusesANameOrVersionTheCatalogueDoesNotList) {
  simhost::Host host;
  const void* table = nullptr;
  EXPECT_EQ(host.suites().Acquire(kAIMenuSuite, kAIMenuSuiteVersion, &table), kSPNoError);
  EXPECT_EQ(host.suites().Release(kAIMenuSuite, kAIMenuSuiteVersion), kSPNoError);
  struct Case {
    const char* name;
    ai::int32 version;
  } refused[] = {
      {kAIMenuSuite, kAIMenuSuiteVersion + 1},
      {kAIMenuSuite, kAIMenuSuiteVersion - 1},
      {"AI Menu Suit", 11},
      {"ai menu suite", kAIMenuSuiteVersion},
      {"", 0},
  };
  for (const Case& c : refused) {
    table = nullptr;
    EXPECT_EQ(host.suites().Acquire(c.name, c.version, &table), kSPSuiteNotFoundError) << c.name << " " << c.version;
    EXPECT_EQ(table, nullptr);
  }
  EXPECT_EQ(host.suites().outstanding(), 0);
  EXPECT_EQ(host.suites().Release(kAIMenuSuite, kAIMenuSuiteVersion), kBadParameterErr) << "not held";
}

TEST(SuiteRegistry, TheHostPublishesOnlyWhatItsCatalogueLists) {
  simhost::Host host;
  int dummy = 0;
  EXPECT_THROW(host.suites().Publish("AI Imaginary Suite", 1, &dummy), std::logic_error);
  EXPECT_THROW(host.suites().Publish(kAIMenuSuite, kAIMenuSuiteVersion + 1, &dummy), std::logic_error);
  EXPECT_THROW(host.suites().Withhold("AI Menu Suit"), std::invalid_argument);
  for (const auto& entry : host.catalog().entries())
    EXPECT_TRUE(host.suites().IsPublished(entry.name, entry.version)) << entry.name;
}

TEST(SuiteRegistry, AHostOfTheOtherPlatformRefusesThisBuildsVersions) {
  simhost::HostConfig config;
  const bool nativeIsMac = simhost::NativeCatalogPlatform() == CatalogPlatform::kMacOS;
  config.platform = nativeIsMac ? CatalogPlatform::kWindows : CatalogPlatform::kMacOS;
  simhost::Host host(config);
  const void* table = nullptr;
  EXPECT_EQ(host.suites().Acquire(kAIMenuSuite, kAIMenuSuiteVersion, &table), kSPSuiteNotFoundError);
  const ai::int32 other = nativeIsMac ? kAIMenuSuiteVersion - 1000 : kAIMenuSuiteVersion + 1000;
  EXPECT_EQ(host.suites().Acquire(kAIMenuSuite, other, &table), kSPNoError);
  EXPECT_EQ(host.suites().Acquire("SP Blocks Suite", 2, &table), kSPNoError) << "the same on both";
}

}  // namespace
