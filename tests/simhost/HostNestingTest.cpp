// The host's own nesting, with a plug-in that misbehaves on request: menu options
// it does not know, a modal loop that turns a bounded number of times, a timer of
// its own; and the program's option for the modal loop.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "PlatformExpectations.h"
#include "Program.h"
#include "core/Host.h"
#include "suites/Menus.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"

namespace {

class HostNestingTest : public testing::Test {
 protected:
  void TearDown() override { testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", nullptr); }
  void Load(simhost::Host& host, const char* mode) {
    testing_support::SetEnvironment("KESTRUNE_MISBEHAVE", mode);
    std::string error;
    ASSERT_TRUE(host.LoadPlugin(KESTRUNE_MISBEHAVING_PLUGIN, &error)) << error;
  }
};

TEST_F(HostNestingTest, MenuOptionsThePublishedInterfaceDoesNotNameAreRefused) {
  simhost::Host host;
  Load(host, "options");
  EXPECT_EQ(host.Startup(), kBadParameterErr) << "the unknown item option";
  ASSERT_EQ(host.menus().items().size(), 1u) << "only the item with known options";
  EXPECT_EQ(host.menus().items()[0]->name, "KNOWN_OPTIONS");
  EXPECT_TRUE(host.menus().HasGroup("KNOWN_GROUP"));
  EXPECT_FALSE(host.menus().HasGroup("UNKNOWN_GROUP"));
  EXPECT_FALSE(host.validator().failed());
}

// A plug-in that shows an alert on every tick, unguarded, gets exactly the turns
// the host is set to, not a recursion without end.
TEST_F(HostNestingTest, TheModalLoopTurnsOnlyForTheOutermostDialog) {
  struct Case {
    int modalTicks;
    size_t alerts;  // the tick's own, then one for each nested tick of either timer:
                    // this plug-in tells no timer from another
  };
  for (const Case& c : {Case{0, 1}, Case{1, 3}, Case{3, 7}}) {
    SCOPED_TRACE(c.modalTicks);
    simhost::HostConfig config;
    config.modalTicks = c.modalTicks;
    simhost::Host host(config);
    Load(host, "alerts");
    ASSERT_EQ(host.Startup(), kNoErr);
    simhost::Timer* timer = host.timers().FindByName("ALERTING");
    ASSERT_NE(timer, nullptr);
    host.timers().Tick(timer);
    EXPECT_EQ(host.ui().DialogsOf(simhost::DialogKind::Message).size(), c.alerts);
    EXPECT_EQ(timer->nestedTicks, c.modalTicks);
    EXPECT_EQ(host.timers().hostTimer()->nestedTicks, c.modalTicks) << "the host's own timer turns with it";
    EXPECT_EQ(host.callDepth(), 0);
  }
}

TEST_F(HostNestingTest, DialogsOutsideACallIntoThePluginTickNothing) {
  simhost::Host host;
  Load(host, "alerts");
  ASSERT_EQ(host.Startup(), kNoErr);
  const int calls = host.callCount();
  host.ui().Show(simhost::DialogKind::Message, "from the host itself");
  host.ui().Ask(simhost::DialogKind::Question, "the host asks");
  EXPECT_EQ(host.callCount(), calls);
}

// What the plug-in disables while the menu is updated is disabled when it is shown:
// the item cannot be chosen, and the program lists it so.
TEST_F(HostNestingTest, TheHostHonoursWhatThePluginDisablesOnUpdate) {
  simhost::Host host;
  Load(host, "update");
  ASSERT_EQ(host.Startup(), kNoErr);
  ASSERT_EQ(host.menus().items().size(), 1u);
  simhost::MenuItem* item = host.menus().items()[0].get();
  EXPECT_TRUE(item->enabled) << "enabled until the menu is shown";
  const int calls = host.callCount();
  EXPECT_EQ(host.menus().Choose(item), kBadParameterErr);
  EXPECT_EQ(item->updates, 1);
  EXPECT_EQ(host.callCount(), calls + 1) << "the update only; no \"AI Go\"";
  EXPECT_FALSE(host.validator().failed());

  const auto run =
      testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", KESTRUNE_MISBEHAVING_PLUGIN, "menus"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("  [disabled]  (UPDATED)"), std::string::npos) << run.out;
}

TEST_F(HostNestingTest, TheHostsTimerIsNotOneThePluginCanChange) {
  simhost::Host host;
  Load(host, "alerts");
  ASSERT_EQ(host.Startup(), kNoErr);
  EXPECT_EQ(host.timers().Find(simhost::HandleOf(host.timers().hostTimer())), nullptr)
      << "the Timer suite finds only the timers plug-ins added";
  ASSERT_EQ(host.timers().timers().size(), 1u);
  EXPECT_EQ(host.timers().timers()[0]->name, "ALERTING");
}

TEST_F(HostNestingTest, TheProgramTakesTheNumberOfModalTicks) {
  for (const char* bad : {"-1", "101", "x", "1x", "+1", ""}) {
    const auto run = testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--modal-ticks", bad, "menus"});
    EXPECT_EQ(run.exitStatus, 2) << bad;
    EXPECT_NE(run.err.find("--modal-ticks needs a whole number from 0 to 100"), std::string::npos) << bad;
  }
  for (const char* good : {"0", "100"}) {
    const auto run = testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, {"--modal-ticks", good, "menus"});
    EXPECT_EQ(run.exitStatus, 0) << good << run.err;
  }
}

}  // namespace
