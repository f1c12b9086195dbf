// The entry point, its dispatch and the plug-in's lifecycle, driven through the
// binary as the host drives it.
#include <gtest/gtest.h>

#include "PlatformExpectations.h"
#include "PluginDocumentTest.h"
#include "PluginRecord.h"
#include "TestHost.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "suites/Actions.h"
#include "suites/Encoding.h"
#include "suites/Memory.h"
#include "suites/Menus.h"
#include "suites/Notifiers.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"

using simhost::DialogKind;
using testing_support::PluginHost;
using testing_support::PluginRecord;

namespace {

simhost::HostConfig Version(int major, int minor) {
  simhost::HostConfig config;
  config.majorVersion = major;
  config.minorVersion = minor;
  return config;
}

simhost::HostConfig Withholding(const std::string& suite) {
  simhost::HostConfig config;
  config.withheldSuites.insert(suite);
  return config;
}

std::vector<simhost::Dialog> Errors(PluginHost& plugin) { return plugin->ui().DialogsOf(DialogKind::Error); }

TEST(Shell, RegistersOnlyOnSupportedHostVersions) {
  struct Case {
    int major, minor;
    bool registers;
  };
  const Case cases[] = {{27, 6, false}, {27, 7, true},  {27, 9, true},  {28, 0, true},
                        {28, 5, true},  {29, 0, false}, {26, 9, false}, {27, 0, false}};
  for (const Case& c : cases) {
    PluginHost plugin(Version(c.major, c.minor));
    EXPECT_EQ(plugin.Start(), kNoErr) << c.major << "." << c.minor;
    EXPECT_EQ(!plugin->menus().items().empty(), c.registers) << c.major << "." << c.minor;
    EXPECT_EQ(!plugin->timers().timers().empty(), c.registers);
    EXPECT_EQ(!plugin->actions().events().empty(), c.registers);
    EXPECT_EQ(!plugin->notifiers().notifiers().empty(), c.registers);
    EXPECT_TRUE(plugin->ui().dialogs().empty());
    ASSERT_NE(PluginRecord(plugin.host()), nullptr);
    EXPECT_EQ(PluginRecord(plugin.host())->appMajorVersion, c.major);
    EXPECT_EQ(PluginRecord(plugin.host())->appMinorVersion, c.minor);
  }
}

TEST(Shell, StartUpFillsTheRecord) {
  simhost::HostConfig config;
  config.language = 1;
  config.revision = 3;
  PluginHost plugin(config);
  ASSERT_EQ(plugin.Start(), kNoErr);
  const PluginGlobals* g = PluginRecord(plugin.host());
  EXPECT_STREQ(g->pluginName, "Kestrune");
  EXPECT_STREQ(g->pluginVersion, "1.008");
  EXPECT_EQ(g->appRevision, 3);
  EXPECT_EQ(g->appLanguage, 1);
  EXPECT_EQ(g->actionMode, 0);
  EXPECT_EQ(g->logFilePath[0], 0);
  EXPECT_EQ(g->spool, nullptr);
  EXPECT_EQ(g->spoolCount, 0);
  EXPECT_EQ(g->spoolState, 0);
  EXPECT_EQ(g->timerBusy, 0);
  EXPECT_NE(g->saveAsMenuItem, nullptr);
  EXPECT_NE(g->bulkUpdateMenuItem, g->bulkUpdateRecursiveMenuItem);
  EXPECT_EQ(g->bulkTimer, simhost::HandleOf(plugin->timers().FindByName("KESTRUNE_TIMER")));
  EXPECT_EQ(g->appStartedNotifier, simhost::HandleOf(plugin->notifiers().notifiers()[0].get()));
  EXPECT_EQ(g->saveAsPreNotifier, simhost::HandleOf(plugin->notifiers().notifiers()[1].get()));
}

TEST(Shell, MenuTitlesInTheHostLanguage) {
  struct Case {
    int language;
    bool scriptFails;  // the host cannot tell its default script: English
    const char* group;
    const char* saveAs;
    const char* bulk;
    const char* recursive;
  };
  const Case cases[] = {
      {1, false, "文字位置情報を保存", "別名で保存...", "一括更新...", "一括更新 (サブフォルダを含む)..."},
      {0, false, "Save with updated text layout information", "Save as...", "Bulk update...",
       "Bulk update (Recursive subfolders)..."},
      {7, false, "Save with updated text layout information", "Save as...", "Bulk update...",
       "Bulk update (Recursive subfolders)..."},
      {1, true, "Save with updated text layout information", "Save as...", "Bulk update...",
       "Bulk update (Recursive subfolders)..."},
  };
  for (const Case& c : cases) {
    simhost::HostConfig config;
    config.language = c.language;
    PluginHost plugin(config);
    if (c.scriptFails) plugin->faults().Inject("AIRuntimeSuite.GetDefaultScript", kCantHappenErr);
    ASSERT_EQ(plugin.Start(), kNoErr);
    EXPECT_FALSE(plugin->faults().Pending("AIRuntimeSuite.GetDefaultScript"));
    const auto& items = plugin->menus().items();
    ASSERT_EQ(items.size(), 4u);
    const char* titles[] = {c.group, c.saveAs, c.bulk, c.recursive};
    const char* names[] = {"KESTRUNE_GROUP", "KESTRUNE_SAVEAS", "KESTRUNE_CONVERT", "KESTRUNE_CONVERT"};
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(simhost::Utf8FromCodePoints(items[i]->title), titles[i]) << c.language;
      EXPECT_EQ(items[i]->name, names[i]);
    }
    EXPECT_EQ(items[0]->group, "Place Document");
    for (size_t i = 1; i < 4; ++i) EXPECT_EQ(items[i]->group, "KESTRUNE_GROUP");
    EXPECT_FALSE(items[1]->enabled);
    EXPECT_TRUE(items[2]->enabled);
    EXPECT_TRUE(items[3]->enabled);
    EXPECT_EQ(plugin->actions().events()[0]->title, "Kestrune Inside Command");
    EXPECT_EQ(plugin->actions().events()[1]->title, c.language == 1 && !c.scriptFails
                                                        ? "文字位置情報を更新して別名で保存"
                                                        : "Save with updated text layout information");
  }
}

TEST(Shell, JapaneseTitlesReachTheHostAsShiftJis) {
  simhost::HostConfig config;
  config.language = 1;
  PluginHost plugin(config);
  ASSERT_EQ(plugin.Start(), kNoErr);
  // 文字位置情報を保存 in Shift-JIS.
  const std::string expected = "\x95\xB6\x8E\x9A\x88\xCA\x92\x75\x8F\xEE\x95\xF1\x82\xF0\x95\xDB\x91\xB6";
  EXPECT_EQ(simhost::Encode(plugin->menus().items()[0]->title, kAIJapaneseCharacterEncoding), expected);
}

TEST(Shell, RegistersTimerActionsAndNotifiersInOrder) {
  PluginHost plugin;
  ASSERT_EQ(plugin.Start(), kNoErr);
  ASSERT_EQ(plugin->timers().timers().size(), 1u);
  EXPECT_EQ(plugin->timers().timers()[0]->name, "KESTRUNE_TIMER");
  EXPECT_EQ(plugin->timers().timers()[0]->period, 60);
  ASSERT_EQ(plugin->actions().events().size(), 2u);
  EXPECT_EQ(plugin->actions().events()[0]->name, "KESTRUNE_INSIDECMD");
  EXPECT_EQ(plugin->actions().events()[1]->name, "KESTRUNE_SAVEAS");
  EXPECT_EQ(plugin->actions().liveParamTypes, 0) << "parameter types are given back";
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"KSR_APP_STARTED_NOTIFIER", "AI Application Started Notifier"},
      {"KSR_SAVE_AS_PRE_NOTIFIER", "AI Command Notifier: Before Save As"},
      {"KSR_ACTIVEVIEW_CHANGED_NOTIFIER", "AI Document View Style Active View Changed Notifier"},
      {"KSR_DOCUMENT_OPENED_NOTIFIER", "AI Document Opened Notifier"},
      {"KSR_DOCUMENT_CLOSED_NOTIFIER", "AI Document Closed Notifier"},
      {"KSR_DOCUMENT_SAVED_NOTIFIER", "AI Document Saved Notifier"},
      {"KSR_DOCUMENT_NEW_NOTIFIER", "AI Document New Notifier"},
  };
  ASSERT_EQ(plugin->notifiers().notifiers().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(plugin->notifiers().notifiers()[i]->name, expected[i].first);
    EXPECT_EQ(plugin->notifiers().notifiers()[i]->type, expected[i].second);
  }
}

TEST(Shell, AFailingRegistrationStopsTheLaterOnes) {
  struct Case {
    const char* point;
    int nth;
    size_t menuItems, timers, actions, notifiers;
  };
  const Case cases[] = {
      {"AIMenuSuite.AddMenuItem", 1, 0, 0, 0, 0},
      {"AIMenuSuite.AddMenuItem", 2, 1, 0, 0, 0},
      {"AIMenuSuite.AddMenuItem", 4, 3, 0, 0, 0},
      {"AITimerSuite.AddTimer", 1, 4, 0, 0, 0},
      {"AINotifierSuite.AddNotifier", 3, 4, 1, 2, 2},
      // An action that cannot be registered is left out; start-up goes on.
      {"AIActionManagerSuite.RegisterActionEventUS", 1, 4, 1, 1, 7},
      {"AIActionManagerSuite.AINewActionParamType", 1, 4, 1, 1, 7},
  };
  for (const Case& c : cases) {
    PluginHost plugin;
    const AIErr failure = AIFourCharCode("FAIL");
    plugin->faults().Inject(c.point, failure, c.nth);
    SPErr status = plugin.Start();
    bool registrationFails = std::string(c.point).find("Action") == std::string::npos;
    EXPECT_EQ(status, registrationFails ? failure : kNoErr) << c.point << " #" << c.nth;
    EXPECT_EQ(plugin->menus().items().size(), c.menuItems) << c.point << " #" << c.nth;
    EXPECT_EQ(plugin->timers().timers().size(), c.timers) << c.point;
    EXPECT_EQ(plugin->actions().events().size(), c.actions) << c.point;
    EXPECT_EQ(plugin->notifiers().notifiers().size(), c.notifiers) << c.point;
    EXPECT_EQ(Errors(plugin).size(), registrationFails ? 1u : 0u) << c.point;
    EXPECT_EQ(plugin->suites().outstanding(), 0);
  }
}

TEST(Shell, ErrorAlertNamesTheStatusCallerAndSelector) {
  PluginHost plugin;
  plugin->faults().Inject("AITimerSuite.AddTimer", 0x4D69466E);
  EXPECT_EQ(plugin.Start(), 0x4D69466E);
  auto errors = Errors(plugin);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "Error=4d69466e, nFiM (caller : SP Interface, selector : Startup)");
}

TEST(Shell, SomeStatusesAreReturnedWithoutAnAlert) {
  const AIErr quiet[] = {1, AIFourCharCode("S!Fd"), AIFourCharCode("STOP")};
  for (AIErr status : quiet) {
    PluginHost plugin;
    plugin->faults().Inject("AITimerSuite.AddTimer", status);
    EXPECT_EQ(plugin.Start(), status);
    EXPECT_TRUE(Errors(plugin).empty()) << std::hex << status;
  }
  // A zero byte in the status ends the characters early.
  PluginHost plugin;
  plugin->faults().Inject("AITimerSuite.AddTimer", 0x41004242);
  EXPECT_EQ(plugin.Start(), 0x41004242);
  ASSERT_EQ(Errors(plugin).size(), 1u);
  EXPECT_EQ(Errors(plugin)[0].text, "Error=41004242, BB (caller : SP Interface, selector : Startup)");
}

TEST(Shell, NoAlertWithoutTheUserSuite) {
  PluginHost plugin(Withholding("AI User Suite"));
  plugin->faults().Inject("AITimerSuite.AddTimer", 0x4D69466E);
  EXPECT_EQ(plugin.Start(), 0x4D69466E);
  EXPECT_TRUE(plugin->ui().dialogs().empty());
}

TEST(Shell, AFailedAllocationLeavesTheSlotEmptyAndLaterCallsHarmless) {
  PluginHost plugin;
  plugin->faults().Inject("SPBasicSuite.AllocateBlock", kOutOfMemoryErr);
  EXPECT_EQ(plugin.Start(), kOutOfMemoryErr);
  EXPECT_EQ(plugin->globalsSlot(), nullptr);
  EXPECT_TRUE(plugin->menus().items().empty());
  ASSERT_EQ(Errors(plugin).size(), 1u);
  EXPECT_EQ(Errors(plugin)[0].text, "Error=214d454d, MEM! (caller : SP Interface, selector : Startup)");
  // Calls that would need the record find none and do nothing.
  AIMenuMessage menu{};
  EXPECT_EQ(plugin->Send(kCallerAIMenu, kSelectorAIGoMenuItem, &menu.d), kNoErr);
  AITimerMessage timer{};
  EXPECT_EQ(plugin->Send(kCallerAITimer, kSelectorAIGoTimer, &timer.d), kNoErr);
  EXPECT_EQ(plugin->Shutdown(), kNoErr);
  EXPECT_EQ(plugin->memory().liveBlocks(), 0u);
}

TEST(Shell, ShutdownFreesTheRecord) {
  PluginHost plugin;
  ASSERT_EQ(plugin.Start(), kNoErr);
  EXPECT_EQ(plugin->memory().liveBlocks(), 1u);
  EXPECT_EQ(plugin->Shutdown(), kNoErr);
  EXPECT_EQ(plugin->globalsSlot(), nullptr);
  EXPECT_EQ(plugin->memory().liveBlocks(), 0u);
  EXPECT_EQ(plugin->suites().outstanding(), 0);
}

TEST(Shell, UnknownCallersAndSelectorsDoNothing) {
  PluginHost plugin;
  ASSERT_EQ(plugin.Start(), kNoErr);
  const int acquires = plugin->suites().acquireCalls();
  SPInterfaceMessage message{};
  EXPECT_EQ(plugin->Send("Some Caller", "Some Selector", &message.d), kNoErr);
  EXPECT_EQ(plugin->suites().acquireCalls(), acquires + 131) << "other callers acquire and release";
  EXPECT_EQ(plugin->suites().outstanding(), 0);
  EXPECT_EQ(plugin->Send(kCallerAIMenu, "AI Something", &message.d), kNoErr);
  EXPECT_EQ(plugin->Send(kSPInterfaceCaller, "Unknown", &message.d), kNoErr);
  EXPECT_EQ(plugin->About(), kNoErr);
  EXPECT_TRUE(plugin->ui().dialogs().empty());

  const int beforeAccess = plugin->suites().acquireCalls();
  SPAccessMessage access{};
  EXPECT_EQ(plugin->Send(kSPAccessCaller, "Other", &access.d), kNoErr);
  EXPECT_EQ(plugin->suites().acquireCalls(), beforeAccess) << "SP Access calls hold no suites";
  EXPECT_NE(plugin->globalsSlot(), nullptr);
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

TEST(Shell, ANestedCallNeitherAcquiresNorReleases) {
  PluginHost plugin;
  // While the start-up's error alert is up, the host delivers a timer tick: the
  // nested call must leave the outer call's suites alone.
  int acquiresBefore = -1, acquiresAfter = -1, outstandingInside = -1;
  plugin->ui().observer = [&](const simhost::Dialog&) {
    acquiresBefore = plugin->suites().acquireCalls();
    outstandingInside = plugin->suites().outstanding();
    AITimerMessage timer{};
    plugin->Send(kCallerAITimer, kSelectorAIGoTimer, &timer.d);
    acquiresAfter = plugin->suites().acquireCalls();
    EXPECT_EQ(plugin->suites().outstanding(), outstandingInside);
  };
  plugin->faults().Inject("AINotifierSuite.AddNotifier", 0x4D69466E);
  EXPECT_EQ(plugin.Start(), 0x4D69466E);
  EXPECT_EQ(acquiresAfter, acquiresBefore);
  EXPECT_GT(outstandingInside, 100) << "the outer call still holds its suites";
  EXPECT_EQ(plugin->suites().outstanding(), 0) << "released when the outer call ends";
}

TEST(Shell, AWithheldSuiteLeavesTheCallToItsHandler) {
  PluginHost plugin(Withholding("AI Cloud Document Suite"));
  testing::internal::CaptureStderr();
  EXPECT_EQ(plugin.Start(), kNoErr);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(log, testing_support::SuiteFailureReport("Error: 1394689636, suite: AI Cloud Document Suite, version: 1!"));
  EXPECT_EQ(plugin->menus().items().size(), 4u);
  EXPECT_EQ(plugin->suites().outstanding(), 0) << "a suite never lent is not given back, the others are";
}

TEST(Shell, AMissingSuiteFailsTheCallQuietly) {
  struct Case {
    const char* suite;
    bool startsHandler;
  };
  // The last row decides the acquisition's status; other suites fail where they are needed.
  const Case cases[] = {{"AI Unicode String Suite", false}, {"AI Menu Suite", true}, {"AI Runtime Suite", true}};
  for (const Case& c : cases) {
    PluginHost plugin(Withholding(c.suite));
    testing::internal::CaptureStderr();
    EXPECT_EQ(plugin.Start(), kSPSuiteNotFoundError) << c.suite;
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(plugin->menus().items().empty()) << c.suite;
    EXPECT_TRUE(Errors(plugin).empty()) << c.suite;
    EXPECT_EQ(plugin->suites().outstanding(), 0) << c.suite;
  }
}

TEST(Shell, ExceptionsFromWrappersBecomeStatuses) {
  PluginHost plugin;
  // The first host string start-up makes is the menu group's title.
  plugin->faults().Inject("AIUnicodeStringSuite.Initialize", AIFourCharCode("BOOM"));
  EXPECT_EQ(plugin.Start(), AIFourCharCode("BOOM"));
  ASSERT_EQ(Errors(plugin).size(), 1u);
  EXPECT_EQ(Errors(plugin)[0].text, "Error=424f4f4d, MOOB (caller : SP Interface, selector : Startup)");
  EXPECT_TRUE(plugin->menus().items().empty());
  EXPECT_EQ(plugin->suites().outstanding(), 0);
}

TEST(Shell, ReloadAfterUnloadKeepsTheRecord) {
  PluginHost plugin;
  ASSERT_EQ(plugin.Start(), kNoErr);
  // A bulk update that has saved the first of two files: a count, a list and a log path.
  testing_support::TempFolder folder;
  plugin->documents().fonts().SetInstalled("Sans", true);
  const nlohmann::json model = testing_support::SimpleModel(nlohmann::json::array({testing_support::Frame("x")}));
  for (const char* name : {"a.ai", "b.ai"}) {
    std::string problem;
    auto document = simhost::DocumentFromModel(model, plugin->documents().fonts(), "24.0.0", &problem);
    ASSERT_TRUE(document) << problem;
    ASSERT_EQ(simhost::WriteDocumentFile(folder.path() + "/" + name, *document), kNoErr);
  }
  plugin->ui().SetDefaultAnswer(true);
  plugin->ui().QueueFolder(folder.path());
  for (const auto& item : plugin->menus().items()) {
    if (item->name != "KESTRUNE_CONVERT") continue;
    plugin->menus().Choose(item.get());  // "Bulk update..."
    break;
  }
  for (int tick = 0; tick < 2; ++tick) plugin->timers().Tick(plugin->timers().FindByName("KESTRUNE_TIMER"));
  const PluginGlobals* before = PluginRecord(plugin.host());
  ASSERT_EQ(before->successCount, 1);
  const std::string logPath = testing_support::Joined(folder.path(), "Kestrune.log");
  ASSERT_EQ(std::string(before->logFilePath), logPath);
  EXPECT_EQ(plugin->Unload(), kNoErr);
  EXPECT_EQ(plugin->globalsSlot(), before);
  EXPECT_EQ(plugin->Reload(), kNoErr);
  EXPECT_EQ(PluginRecord(plugin.host()), before);
  EXPECT_EQ(PluginRecord(plugin.host())->successCount, 1);
  EXPECT_EQ(std::string(PluginRecord(plugin.host())->logFilePath), logPath);
  // The reloaded code works with the kept record.
  plugin->timers().TickAll();
  EXPECT_EQ(plugin->suites().outstanding(), 0);
  EXPECT_EQ(plugin->Shutdown(), kNoErr);
  EXPECT_EQ(plugin->memory().liveBlocks(), 0u);
}

}  // namespace
