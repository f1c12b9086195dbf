// What the host refuses as the plug-in's own fault, with a plug-in that commits
// each fault on request; and the program's exit status for it.
#include <gtest/gtest.h>

#include "core/Host.h"
#include "PlatformExpectations.h"
#include "Program.h"

namespace {

struct Case {
  const char* mode;
  const char* message;
};

const Case kFaults[] = {
    {"throw", "an exception left PluginMain during \"SP Interface\"/\"Startup\": a handler gave up"},
    {"released", "the plug-in called AITimerSuite.AddTimer without holding \"AI Timer Suite\""},
    {"keep", "the plug-in still holds suites after \"SP Interface\"/\"Startup\" returned: \"AI Menu Suite\""},
};

class ValidatorTest : public testing::Test {
 protected:
  void TearDown() override { testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", nullptr); }
};

TEST_F(ValidatorTest, RecordsEachFaultOfThePlugin) {
  for (const Case& c : kFaults) {
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", c.mode);
    simhost::Host host;
    std::vector<std::string> told;
    host.validator().reporter = [&](const std::string& message) { told.push_back(message); };
    std::string error;
    ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
    const SPErr status = host.Startup();
    ASSERT_EQ(host.validator().failures().size(), 1u) << c.mode;
    EXPECT_EQ(host.validator().failures()[0], c.message);
    EXPECT_EQ(told, host.validator().failures());
    if (std::string(c.mode) == "throw") {
      EXPECT_EQ(status, kCantHappenErr);
    }
    EXPECT_EQ(host.callDepth(), 0) << "an exception does not leave the host inside the call";
  }
}

TEST_F(ValidatorTest, ACallWithATableKeptFromAnEarlierCallIsRefusedToo) {
  testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", "none");
  simhost::Host host;
  std::string error;
  ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
  host.Startup();
  EXPECT_FALSE(host.validator().failed()) << "acquiring and releasing in pairs is fine";
  testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", "unheld");
  host.About();
  ASSERT_EQ(host.validator().failures().size(), 1u);
  EXPECT_EQ(host.validator().failures()[0],
            "the plug-in called AITimerSuite.AddTimer without holding \"AI Timer Suite\"");
}

// Functions that cannot be made to fail are still checked for their suite being held.
TEST_F(ValidatorTest, FunctionsWithoutAFaultPointAreCheckedForTheirSuiteToo) {
  testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", "unfaulted");
  simhost::Host host;
  std::string error;
  ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
  host.Startup();
  const std::vector<std::string> expected = {
      "AIRuntimeSuite.GetAppMajorVersion without holding \"AI Runtime Suite",
      "AIAppContextSuite.GetPlatformAppWindow without holding \"AI Context Suite",
      "AIRealMathSuite.AIRealRectSet without holding \"AI Real Math Suite",
      "SPBlocksSuite.FreeBlock without holding \"SP Blocks Suite",
      "AIMenuSuite.IsItemEnabled without holding \"AI Menu Suite",
      "AITimerSuite.SetTimerActive without holding \"AI Timer Suite",
      "AINotifierSuite.SetNotifierActive without holding \"AI Notifier Suite",
      "AIActionManagerSuite.AIActionSetInteger without holding \"AI Action Manager Suite",
      "AIActionManagerSuite.InRecordMode without holding \"AI Action Manager Suite",
      "AIUnicodeStringSuite.Length without holding \"AI Unicode String Suite",
      "AIFilePathSuite.IsEmpty without holding \"AI File Path Suite",
  };
  const std::vector<std::string>& told = host.validator().failures();
  ASSERT_EQ(told.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(told[i], "the plug-in called " + expected[i] + "\"");
}

// Suites lent without an implementation answer !IMP, and still tell which suite was not held.
TEST_F(ValidatorTest, UnimplementedFunctionsAreCheckedForTheirOwnSuite) {
  testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", "unimplemented");
  simhost::Host host;
  std::string error;
  ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
  host.Startup();
  const std::vector<std::string> expected = {
      "the plug-in called an unimplemented function without holding \"AI Fixed Math Suite\"",
      "the plug-in called an unimplemented function without holding \"AI Plugin Suite\"",
  };
  EXPECT_EQ(host.validator().failures(), expected);
}

TEST_F(ValidatorTest, TheHostsOwnCallsOutsideThePluginAreNotJudged) {
  simhost::Host host;
  EXPECT_EQ(host.EnterHostCall("AITimerSuite.AddTimer"), kNoErr);
  EXPECT_FALSE(host.validator().failed());
}

TEST_F(ValidatorTest, TheProgramEndsWithStatus3AndSaysWhy) {
  for (const Case& c : kFaults) {
    const auto run = testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", KESTRUNE_MISBEHAVING_PLUGIN, "menus"});
    (void)run;
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", c.mode);
    const auto bad = testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", KESTRUNE_MISBEHAVING_PLUGIN, "menus"});
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", nullptr);
    EXPECT_EQ(run.exitStatus, 0) << c.mode << run.err;
    EXPECT_EQ(bad.exitStatus, 3) << c.mode;
    EXPECT_NE(bad.err.find(std::string("kestrune-host: validator: ") + c.message + "\n"), std::string::npos)
        << bad.err;
  }
}

}  // namespace
