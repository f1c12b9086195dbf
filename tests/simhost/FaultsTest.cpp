#include "core/Faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
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

// Every point a host function checks in the sources is one the host declares, so
// no --fail rule for a real call can be refused, and none for a typo accepted.
TEST(Faults, EveryPointCheckedInTheSourcesIsDeclared) {
  simhost::Host host;
  const std::regex literal("Fault\\(\"([^\"]+)\"\\)");
  int found = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(std::string(KESTRUNE_SOURCE_DIR) + "/simhost")) {
    if (entry.path().extension() != ".cpp") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
      ++found;
      EXPECT_TRUE(host.faults().Knows((*it)[1])) << (*it)[1] << " in " << entry.path();
    }
  }
  EXPECT_GT(found, 80);
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
