// What the host refuses as the plug-in's own fault, with a plug-in that commits
// each fault on request; and the program's exit status for it.
#include <gtest/gtest.h>

#include "AITimer.h"
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
    {"trap", "the plug-in called AIUserSuite.AppIdle, which this host does not implement"},
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
    if (std::string(c.mode) == "trap") {
      EXPECT_EQ(status, kNotImplementedErr) << "an unimplemented member that returns a status fails";
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

// Members that cannot fail, and the functions of suites lent unimplemented (which
// answer !IMP), are still checked for their own suite being held.
TEST_F(ValidatorTest, EveryFunctionIsCheckedForItsSuiteBeingHeld) {
  struct Case {
    const char* mode;
    std::vector<std::string> calls;  // "FUNCTION\tSUITE", in the order made
  };
  const Case cases[] = {
      {"unfaulted",
       {"AIRuntimeSuite.GetAppMajorVersion\tAI Runtime Suite",
        "AIAppContextSuite.GetPlatformAppWindow\tAI Context Suite", "AIRealMathSuite.AIRealRectSet\tAI Real Math Suite",
        "SPBlocksSuite.FreeBlock\tSP Blocks Suite", "AIActionManagerSuite.AIActionSetInteger\tAI Action Manager Suite",
        "AIActionManagerSuite.InRecordMode\tAI Action Manager Suite",
        "AIUnicodeStringSuite.Length\tAI Unicode String Suite", "AIFilePathSuite.IsEmpty\tAI File Path Suite"}},
      {"unimplemented",
       {"an unimplemented function\tAI Fixed Math Suite", "an unimplemented function\tAI Plugin Suite"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", c.mode);
    simhost::Host host;
    std::string error;
    ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
    host.Startup();
    std::vector<std::string> expected;
    for (const std::string& call : c.calls) {
      const size_t tab = call.find('\t');
      expected.push_back("the plug-in called " + call.substr(0, tab) + " without holding \"" + call.substr(tab + 1) +
                         "\"");
    }
    EXPECT_EQ(host.validator().failures(), expected);
  }
}

TEST_F(ValidatorTest, TheHostsOwnCallsOutsideThePluginAreNotJudged) {
  simhost::Host host;
  const void* table = nullptr;
  ASSERT_EQ(host.suites().Acquire(kAITimerSuite, kAITimerSuiteVersion, &table), kSPNoError);
  ASSERT_EQ(host.suites().Release(kAITimerSuite, kAITimerSuiteVersion), kSPNoError);
  AITimerHandle timer = nullptr;
  EXPECT_EQ(static_cast<const AITimerSuite*>(table)->AddTimer(host.pluginRef(), "host", 60, &timer), kNoErr);
  EXPECT_FALSE(host.validator().failed());
}

TEST_F(ValidatorTest, TheProgramEndsWithStatus3AndSaysWhy) {
  for (const Case& c : kFaults) {
    const auto run =
        testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", KESTRUNE_MISBEHAVING_PLUGIN, "menus"});
    (void)run;
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", c.mode);
    const auto bad =
        testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", KESTRUNE_MISBEHAVING_PLUGIN, "menus"});
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", nullptr);
    EXPECT_EQ(run.exitStatus, 0) << c.mode << run.err;
    EXPECT_EQ(bad.exitStatus, 3) << c.mode;
    EXPECT_NE(bad.err.find(std::string("kestrune-host: validator: ") + c.message + "\n"), std::string::npos) << bad.err;
  }
}

}  // namespace
