#include "core/Faults.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/Host.h"
#include "core/NearestNames.h"

namespace {

TEST(Faults, FailsTheNthCallOnceOrForGood) {
  simhost::Faults faults;
  faults.Declare("A.f");
  faults.Declare("B.g");
  faults.Inject("A.f", AIFourCharCode("FAIL"), 2);
  EXPECT_EQ(faults.Check("A.f"), kNoErr);
  EXPECT_EQ(faults.Check("A.f"), AIFourCharCode("FAIL"));
  EXPECT_EQ(faults.Check("A.f"), kNoErr);
  faults.Inject("B.g", kCanceledErr, 1, true);
  EXPECT_EQ(faults.Check("B.g"), kCanceledErr);
  EXPECT_EQ(faults.Check("B.g"), kCanceledErr);
  EXPECT_EQ(faults.Calls("B.g"), 2);
  EXPECT_EQ(faults.Check("C.h"), kNoErr);
}

TEST(Faults, RefusesARuleForAPointNobodyChecks) {
  simhost::Faults faults;
  faults.Declare("AIMenuSuite.AddMenuItem");
  EXPECT_THROW(faults.Inject("AIMenuSuite.AddMenuItm", kCanceledErr), std::invalid_argument);
  EXPECT_EQ(faults.Check("AIMenuSuite.AddMenuItm"), kNoErr);
  EXPECT_NO_THROW(faults.Inject("AIMenuSuite.AddMenuItem", kCanceledErr));
}

// The host's own members that return no status are refused with the reason, in
// process as on the command line.
TEST(Faults, RefusesAMemberThatCannotFailSayingWhy) {
  simhost::Host host;
  try {
    host.faults().Inject("AIUnicodeStringSuite.Length", kCanceledErr);
    ADD_FAILURE() << "a rule for a member that returns a value";
  } catch (const std::invalid_argument& refused) {
    EXPECT_STREQ(refused.what(),
                 "AIUnicodeStringSuite.Length cannot fail: the host's Length returns a value, not a status");
  }
  EXPECT_FALSE(host.faults().Knows("TextRangeSuite.AddRef"));
  EXPECT_NE(host.faults().WhyUnfailing("TextRangeSuite.AddRef").find("returns nothing"), std::string::npos);
}

TEST(Faults, TheHostDeclaresSuiteCallsAcquisitionsAndHostEvents) {
  simhost::Host host;
  const std::vector<std::string> points = host.faults().Points();
  const std::set<std::string> all(points.begin(), points.end());
  for (const char* point : {"AIMenuSuite.AddMenuItem", "SPBasicSuite.AllocateBlock", "TextRangeSuite.GetSize",
                            "acquire:AI Menu Suite", "release:ATE TextRange Suite", "acquire:SP Blocks Suite",
                            "play:adobe_move", "play:adobe_saveDocumentAs", "play:adobe_openDocument"})
    EXPECT_EQ(all.count(point), 1u) << point;
  EXPECT_EQ(all.count("acquire:AI Menu Suit"), 0u);
  EXPECT_TRUE(std::is_sorted(points.begin(), points.end()));
}

TEST(NearestNames, PutsTheLikelyMeaningFirst) {
  const std::vector<std::string> names = {"AIMenuSuite.AddMenuItem", "AIMenuSuite.EnableItem",
                                          "AIMenuSuite.DisableItem", "AITimerSuite.AddTimer"};
  struct Case {
    const char* typed;
    const char* first;
  } cases[] = {
      {"AIMenuSuite.AddMenuItm", "AIMenuSuite.AddMenuItem"},
      {"aimenusuite.enableitem", "AIMenuSuite.EnableItem"},
      {"AITimerSuite.AddTimers", "AITimerSuite.AddTimer"},
      {"", "AITimerSuite.AddTimer"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> nearest = simhost::NearestNames(c.typed, names);
    ASSERT_EQ(nearest.size(), 3u) << c.typed;
    EXPECT_EQ(nearest[0], c.first) << c.typed;
  }
  EXPECT_EQ(simhost::NearestNames("x", {"a"}).size(), 1u);
  EXPECT_TRUE(simhost::NearestNames("x", {}).empty());
}

}  // namespace
