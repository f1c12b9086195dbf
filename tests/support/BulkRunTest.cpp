#include "BulkRunTest.h"

#include <filesystem>

#include "PlatformExpectations.h"
#include "os/Windowing.h"
#include "suites/Actions.h"
#include "suites/Timers.h"
#include "shellMain/PluginGlobals.h"

namespace testing_support {

nlohmann::json TrimAreaModel() {
  nlohmann::json model = SimpleModel(nlohmann::json::array({Frame("old")}), "13.0.0");
  model["bleedBox"] = {0, 0, 612, 792};
  model["cropBox"] = {18, 18, 594, 774};
  return model;
}

BulkRunTest::BulkRunTest() { host().ui().SetDefaultAnswer(true); }

void BulkRunTest::Start(simhost::HostConfig config) {
  PluginDocumentTest::Start(config);
  host().ui().SetDefaultAnswer(true);
}

void BulkRunTest::ChooseBulk(const std::string& folder, bool recursive) {
  host().ui().QueueFolder(folder.empty() ? folder_ : folder);
  host().menus().Choose(Item("KESTRUNE_CONVERT", recursive ? 1 : 0));
  simhost::os::WaitHandlingEvents(0);
}

void BulkRunTest::FreshFolder() {
  RemoveTree(folder_);
  std::filesystem::create_directories(folder_);
  host().ui().ClearDialogs();
}

// What the application does between ticks: it handles the window system's events,
// which repaint the progress window.
void BulkRunTest::Tick() {
  host().timers().Tick(host().timers().FindByName("KESTRUNE_TIMER"));
  simhost::os::WaitHandlingEvents(0);
}

int BulkRunTest::RunToSummary(int limit) {
  for (int tick = 1; tick <= limit; ++tick) {
    Tick();
    if (globals().spoolState == kSpoolIdle) return tick;
  }
  ADD_FAILURE() << "the run did not end";
  return limit;
}

std::string BulkRunTest::Summary() {
  auto messages = Dialogs(simhost::DialogKind::Message);
  return messages.empty() ? std::string() : messages.back().text;
}

std::string BulkRunTest::Log(const std::string& folder) {
  return ReadFile((folder.empty() ? folder_ : folder) + "/Kestrune.log");
}

std::vector<std::string> BulkRunTest::LogLines(const std::string& folder) { return SplitLines(Log(folder), "\r\n"); }

AIErr BulkRunTest::PlayRecordedStep() { return host().actions().Play("KESTRUNE_SAVEAS", kDialogOff, nullptr); }

std::string BulkRunTest::Updated(const std::string& stem) { return Joined(folder_, stem + "[CP_updated_Ai28.1.0].ai"); }

}  // namespace testing_support
