// The entry point, its dispatch and the plug-in's lifecycle, driven through the
// binary as the host drives it.
#include <gtest/gtest.h>

#include "Actions.h"
#include "Menus.h"
#include "Notifiers.h"
#include "TestHost.h"
#include "Timers.h"
#include "UserInterface.h"

using testing_support::PluginHost;

namespace {

simhost::HostConfig Version(int major, int minor) {
  simhost::HostConfig config;
  config.majorVersion = major;
  config.minorVersion = minor;
  return config;
}

TEST(Shell, RegistersOnlyOnSupportedHostVersions) {
  struct Case {
    int major, minor;
    bool registers;
  };
  const Case cases[] = {{27, 6, false}, {27, 7, true}, {27, 9, true}, {28, 0, true}, {28, 5, true},
                        {29, 0, false}, {26, 9, false}, {27, 0, false}};
  for (const Case& c : cases) {
    PluginHost plugin(Version(c.major, c.minor));
    EXPECT_EQ(plugin.Start(), kNoErr) << c.major << "." << c.minor;
    EXPECT_EQ(!plugin->menus().items().empty(), c.registers) << c.major << "." << c.minor;
    EXPECT_EQ(!plugin->timers().timers().empty(), c.registers);
    EXPECT_EQ(!plugin->actions().events().empty(), c.registers);
    EXPECT_EQ(!plugin->notifiers().notifiers().empty(), c.registers);
    EXPECT_TRUE(plugin->ui().dialogs().empty());
    EXPECT_NE(plugin->globalsSlot(), nullptr);
  }
}

TEST(Shell, EverySuiteIsReleasedAfterEachCall) {
  PluginHost plugin;
  ASSERT_EQ(plugin.Start(), kNoErr);
  EXPECT_EQ(plugin->suites().outstanding(), 0);
  EXPECT_EQ(plugin->suites().acquireCalls(), 131);
  EXPECT_EQ(plugin->suites().releaseCalls(), 131);
  plugin->timers().TickAll();
  EXPECT_EQ(plugin->suites().acquireCalls(), 262);
  EXPECT_EQ(plugin->suites().outstanding(), 0);
}

}  // namespace
