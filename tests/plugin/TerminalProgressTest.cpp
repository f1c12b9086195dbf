// What the terminal's progress window shows of a bulk update run through the plug-in:
// its title, bar, percentage and Abort offer, never a message line, and "(Abort)" once
// the user has pressed Ctrl-C.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "BulkRunTest.h"
#include "os/Terminal.h"
#include "shellMain/PluginGlobals.h"
#include "suites/UserInterface.h"

using nlohmann::json;
using namespace testing_support;

namespace {

class TerminalProgressTest : public BulkRunTest {};

// The bulk update never writes the progress window's message line: every line the
// window draws is its title, its bar, the percentage and the Abort offer.
TEST_F(TerminalProgressTest, TheMessageLineStaysEmptyThroughoutARun) {
  struct Case {
    int language;
    const char* line;
  };
  const Case cases[] = {{0, R"(^Progress \[[#.]{40}\] \d{1,3}%  Ctrl-C: Abort$)"},
                        {1, R"(^進捗状況 \[[#.]{40}\] \d{1,3}%  Ctrl-C: 中断$)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    simhost::HostConfig config;
    config.language = c.language;
    Start(config);
    FreshFolder();
    Write("good.ai", SimpleModel(json::array({Frame("x")})));
    Write("trim.ai", TrimAreaModel());
    Write("none.ai", SimpleModel(json::array({json{{"type", "path"}}})));
    Write("fonts.ai", SimpleModel(json::array({Frame("z", "Missing Font")})));
    WriteFile(folder_ + "/damaged.ai", "%PDF-1.4\nnot really\n");
    testing::internal::CaptureStderr();
    ChooseBulk();
    RunToSummary();
    const std::string window = testing::internal::GetCapturedStderr();
    const auto lines = SplitLines(window, "\n");
    EXPECT_GE(lines.size(), 4u) << "the window opened and moved: " << window;
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, std::regex(c.line))) << line;
  }
}

// Whether Ctrl-C was still the run's during the pause before the summary; a second
// Ctrl-C is pressed there, which ends this program if it is not.
bool gHeldDuringPause = false;
void PressCtrlCAgain(int) {
  gHeldDuringPause = !simhost::os::InterruptHandlingIsDefault();
  if (gHeldDuringPause) simhost::os::RaiseInterrupt();
}

// Ctrl-C during a run: the window says so at the plug-in's next check, then the run
// ends; a second Ctrl-C while it ends is the run's too, until the summary is shown.
TEST_F(TerminalProgressTest, CtrlCIsShownAsAbortBeforeTheRunEnds) {
  for (int i = 0; i < 3; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
  testing::internal::CaptureStderr();
  ChooseBulk();
  Tick();
  simhost::os::RaiseInterrupt();
  gHeldDuringPause = false;
  clock()->onSleep = PressCtrlCAgain;
  Tick();
  clock()->onSleep = nullptr;
  const std::string window = testing::internal::GetCapturedStderr();
  EXPECT_EQ(globals().spoolState, kSpoolIdle);
  EXPECT_TRUE(gHeldDuringPause);
  EXPECT_EQ(Summary(), "Bulk update completed.\rCanceled : 3 files");
  EXPECT_TRUE(simhost::os::InterruptHandlingIsDefault()) << "given back once the summary was shown";
  const auto lines = SplitLines(window, "\n");
  ASSERT_GE(lines.size(), 2u) << window;
  EXPECT_TRUE(std::regex_search(lines.front(), std::regex(R"(^Progress \[.*Ctrl-C: Abort$)"))) << window;
  EXPECT_TRUE(std::regex_search(lines.back(), std::regex(R"(^Progress \[.*%  \(Abort\)$)"))) << window;
}

}  // namespace
