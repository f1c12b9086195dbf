// The host's nesting as the application has it: timers tick while a dialog is up
// or an event plays, a timer of the host's own ticks beside the plug-in's, and the
// menus are updated before they are shown. The plug-in's steps must never overlap.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "AIMenu.h"
#include "BulkRunTest.h"
#include "shellMain/PluginGlobals.h"
#include "suites/Menus.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

class NestingTest : public BulkRunTest {
 protected:
  simhost::Timer* PluginTimer() { return host().timers().FindByName("KESTRUNE_TIMER"); }
  simhost::Timer* HostTimer() { return host().timers().hostTimer(); }
  void WriteMixedFolder() {
    Write("good1.ai", SimpleModel(json::array({Frame("x")})));
    Write("good2.ai", SimpleModel(json::array({Frame("y")})));
    Write("trim.ai", TrimAreaModel());
    Write("none.ai", SimpleModel(json::array({json{{"type", "path"}}})));
    Write("fonts.ai", SimpleModel(json::array({Frame("z", "Missing Font")})));
    WriteFile(folder_ + "/damaged.ai", "%PDF-1.4\nnot really\n");
  }
};

TEST_F(NestingTest, ATickDuringAModalAlertIsTurnedAway) {
  for (const char* name : {"a.ai", "b.ai", "c.ai"}) Write(name, TrimAreaModel());
  ChooseBulk();
  int busyDuringAlert = -1, depthDuringAlert = -1;
  host().ui().observer = [&](const simhost::Dialog& dialog) {
    if (dialog.kind != DialogKind::Message) return;
    busyDuringAlert = globals().timerBusy;
    depthDuringAlert = host().callDepth();
  };
  const int nestedBefore = PluginTimer()->nestedTicks;
  const int hostNestedBefore = HostTimer()->nestedTicks;
  Tick();
  EXPECT_EQ(depthDuringAlert, 1) << "the alert is shown inside the tick";
  EXPECT_EQ(busyDuringAlert, 1);
  EXPECT_EQ(PluginTimer()->nestedTicks, nestedBefore + 1) << "the host ticked while the alert was up";
  EXPECT_EQ(HostTimer()->nestedTicks, hostNestedBefore + 1);
  EXPECT_EQ(Dialogs(DialogKind::Message).size(), 1u) << "the nested tick refused no second file";
  EXPECT_EQ(globals().spoolCount, 2);
  EXPECT_EQ(LogLines().size(), 1u);
  EXPECT_EQ(globals().timerBusy, 0) << "free again for the next tick";
  host().ui().observer = nullptr;
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rOpen error : 3 files");
}

TEST_F(NestingTest, ATickWhileTheFileOpensDoesNotOpenItAgain) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  Tick();
  EXPECT_GE(PluginTimer()->nestedTicks, 1) << "the opening played an event, during which the host ticked";
  EXPECT_EQ(globals().spoolState, kSpoolOpened);
  EXPECT_EQ(docs().open().size(), 1u);
  EXPECT_EQ(globals().openErrorCount, 0) << "not logged as already open by a nested step";
  EXPECT_TRUE(LogLines().empty());
  const int nested = PluginTimer()->nestedTicks;
  Tick();
  EXPECT_GT(PluginTimer()->nestedTicks, nested) << "the save plays events too";
  EXPECT_EQ(globals().successCount, 1);
  EXPECT_EQ(LogLines().size(), 1u);
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : 1 files");
}

TEST_F(NestingTest, TheOutcomeOfARunDoesNotDependOnNestedTicks) {
  long long slept = -1;
  for (int modalTicks : {0, 1, 3}) {
    SCOPED_TRACE(modalTicks);
    RemoveTree(folder_);
    std::filesystem::create_directories(folder_);
    simhost::HostConfig config;
    config.modalTicks = modalTicks;
    Start(config);
    clock()->sleptMilliseconds = 0;
    WriteMixedFolder();
    ChooseBulk();
    RunToSummary();
    EXPECT_EQ(Summary(),
              "Bulk update completed.\rFont error : 1 files\rOpen error : 2 files\rUpdate unnecessary : 1 files"
              "\rUpdate successful : 2 files");
    EXPECT_EQ(LogLines().size(), 6u);
    EXPECT_TRUE(docs().open().empty());
    EXPECT_EQ(PluginTimer()->nestedTicks == 0, modalTicks == 0);
    if (slept >= 0) {
      EXPECT_EQ(clock()->sleptMilliseconds, slept) << "no pause taken twice";
    }
    slept = clock()->sleptMilliseconds;
  }
}

TEST_F(NestingTest, TheHostsOwnTimerIsNotThePlugins) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("y")})));
  ChooseBulk();
  for (int step = 0; step < 3; ++step) {
    const PluginGlobals before = globals();
    const long long calls = host().hostCalls();
    const int sent = host().callCount();
    for (int i = 0; i < 5; ++i) host().timers().Tick(HostTimer());
    EXPECT_EQ(host().callCount(), sent + 5) << "its ticks reach the plug-in";
    EXPECT_EQ(host().hostCalls(), calls) << "and ask the host for nothing";
    EXPECT_EQ(std::memcmp(&before, &globals(), sizeof(PluginGlobals)), 0) << "nor change the run";
    Tick();
  }
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : 2 files");
}

TEST_F(NestingTest, ADormantPluginHearsNoTimerOfTheHost) {
  simhost::HostConfig config;
  config.majorVersion = 27;
  config.minorVersion = 6;
  Start(config);
  const int sent = host().callCount();
  host().timers().TickRound();
  EXPECT_EQ(host().callCount(), sent) << "it added no timer, so the host sends it no tick";
  EXPECT_EQ(HostTimer()->ticks, 0);
}

TEST_F(NestingTest, EveryItemIsUpdatedBeforeTheMenuIsShown) {
  const PluginGlobals before = globals();
  host().menus().Show();
  ASSERT_EQ(host().menus().items().size(), 4u);
  for (const auto& item : host().menus().items()) {
    EXPECT_EQ(item->updates, 1) << item->name;
    EXPECT_EQ(item->lastUpdateStatus, kNoErr) << item->name;
  }
  EXPECT_EQ(std::memcmp(&before, &globals(), sizeof(PluginGlobals)), 0) << "the update changes nothing";
  EXPECT_TRUE(host().ui().dialogs().empty());
  EXPECT_FALSE(Item("KESTRUNE_SAVEAS")->enabled) << "still off without a document";
  EXPECT_TRUE(Item("KESTRUNE_CONVERT", 0)->enabled);
  EXPECT_TRUE(Item("KESTRUNE_CONVERT", 1)->enabled);

  // A disabled item is never chosen: the plug-in hears the updates and nothing else.
  const int sent = host().callCount();
  EXPECT_EQ(host().menus().Choose(Item("KESTRUNE_SAVEAS")), kBadParameterErr);
  EXPECT_EQ(host().callCount(), sent + 4);
  EXPECT_TRUE(host().ui().dialogs().empty());

  // Offered for a document it can update, and still offered once the menu is shown.
  Open(Write("flyer.ai", SimpleModel(json::array({Frame("Hi")}))));
  host().ui().SetDefaultAnswer(false);
  EXPECT_EQ(host().menus().Choose(Item("KESTRUNE_SAVEAS")), kNoErr);
  EXPECT_EQ(Dialogs(DialogKind::Confirm).size(), 1u) << "the command ran";
}

TEST_F(NestingTest, AnUpdateDuringARunChangesNothing) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  Tick();
  host().ui().ClearDialogs();
  const PluginGlobals before = globals();
  host().menus().Show();
  AIMenuMessage stray{};
  stray.menuItem = nullptr;
  EXPECT_EQ(host().Send(kCallerAIMenu, kSelectorAIUpdateMenuItem, &stray.d), kNoErr) << "an item not its own";
  EXPECT_EQ(std::memcmp(&before, &globals(), sizeof(PluginGlobals)), 0);
  EXPECT_TRUE(host().ui().dialogs().empty());
  RunToSummary();
}

}  // namespace
