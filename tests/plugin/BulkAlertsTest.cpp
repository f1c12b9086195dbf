// What the user sees of a bulk update beyond its summary: the failure alerts each
// file can bring and the commands the menu refuses while a run is under way.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "BulkRunTest.h"
#include "documents/Documents.h"
#include "shellMain/PluginGlobals.h"
#include "suites/Actions.h"
#include "suites/Menus.h"
#include "suites/UserInterface.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

const char kSaveFailedAlert[] = "Could not save document.\rText layout information was not updated.";

class BulkAlertsTest : public BulkRunTest {
 protected:
  std::vector<std::string> AlertsBeforeSummary() {
    std::vector<std::string> texts;
    for (const auto& dialog : Dialogs(DialogKind::Message)) texts.push_back(dialog.text);
    if (!texts.empty()) texts.pop_back();
    return texts;
  }
};

// Bulk mode shows the command's failure alerts as a single save does; a save the
// user canceled brings the question instead, and a saved file no alert at all.
TEST_F(BulkAlertsTest, EachOutcomeOfAFileBringsItsOwnAlert) {
  struct Case {
    const char* name;
    json model;
    const char* fault;  // failing at its first call once the file is open; empty: none
    AIErr status;
    std::vector<std::string> alerts;
    size_t questions;
    const char* summaryLine;
    const char* logText;
  };
  const Case cases[] = {
      {"saved",
       SimpleModel(json::array({Frame("x")})),
       "",
       0,
       {},
       0,
       "Update successful : 1 files",
       "Save as operation completed"},
      {"no text",
       SimpleModel(json::array({json{{"type", "path"}}})),
       "",
       0,
       {"No text objects found in file"},
       0,
       "Update unnecessary : 1 files",
       "Error: No text objects found in file"},
      {"missing fonts",
       SimpleModel(json::array({Frame("x", "Missing Font")})),
       "",
       0,
       {"The file contains fonts not installed on this computer.\rPlease install the missing fonts and try again."},
       0,
       "Font error : 1 files",
       "Error: The file contains fonts not installed on this computer."},
      {"legacy text",
       SimpleModel(json::array({Frame("x"), json{{"type", "legacyText"}, {"text", "old"}}})),
       "",
       0,
       {"This file includes text that was created in Version 10 or earlier Illustrator."},
       0,
       "Open error : 1 files",
       "Error: This file includes text that was created in Version 10 or earlier Illustrator."},
      {"save failed",
       SimpleModel(json::array({Frame("x")})),
       "play:adobe_saveDocumentAs",
       AIFourCharCode("Hst!"),
       {kSaveFailedAlert},
       0,
       "Save error : 1 files",
       "Error: Could not save document."},
      {"move failed",
       SimpleModel(json::array({Frame("x")})),
       "play:adobe_move",
       AIFourCharCode("Hst!"),
       {kSaveFailedAlert},
       0,
       "Save error : 1 files",
       "Error: Could not save document."},
      {"text engine failed",
       SimpleModel(json::array({Frame("x")})),
       "TextRangeSuite.GetSize",
       kBadParameterErr,
       {kSaveFailedAlert},
       0,
       "Save error : 1 files",
       "Error: Could not save document."},
      {"save canceled, run goes on",
       SimpleModel(json::array({Frame("x")})),
       "play:adobe_saveDocumentAs",
       kCanceledErr,
       {},
       1,
       "Canceled : 1 files",
       "Error: Save operation was canceled."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FreshFolder();
    Write("doc.ai", c.model);
    ChooseBulk();
    Tick();  // opened
    if (c.fault[0] != 0) host().faults().Inject(c.fault, c.status);
    if (c.questions > 0) host().ui().QueueAnswer(simhost::Answer::kNo);  // go on after a canceled save
    RunToSummary();
    host().faults().Clear();
    EXPECT_EQ(AlertsBeforeSummary(), c.alerts);
    EXPECT_EQ(Dialogs(DialogKind::Question).size(), c.questions);
    EXPECT_EQ(Summary(), std::string("Bulk update completed.\r") + c.summaryLine);
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(std::string(",\"") + c.logText + "\""), std::string::npos) << lines[0];
    EXPECT_TRUE(docs().open().empty()) << "the file is closed, whatever its outcome";
    EXPECT_EQ(globals().actionMode, kActionModeNone);
    EXPECT_EQ(globals().suppressAlerts, 0);
    EXPECT_EQ(docs().text().liveReferences(docs().fonts()), 0);
  }
}

// An exception out of the text engine ends that file only: it is a failed save,
// and the next file is updated.
TEST_F(BulkAlertsTest, AnExceptionDuringAFileEndsOnlyThatFile) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("y")})));
  ChooseBulk();
  Tick();
  host().faults().Inject("TextRangeSuite.GetUniqueLocalCharFeatures", kBadParameterErr);
  RunToSummary();
  EXPECT_EQ(AlertsBeforeSummary(), std::vector<std::string>{kSaveFailedAlert});
  EXPECT_EQ(Summary(), "Bulk update completed.\rSave error : 1 files\rUpdate successful : 1 files");
  EXPECT_EQ(LogLines().size(), 2u);
  EXPECT_EQ(docs().savedFiles().size(), 1u);
  EXPECT_TRUE(docs().open().empty());
}

TEST_F(BulkAlertsTest, NoCommandStartsWhileARunIsUnderWay) {
  enum class Phase { kAboutToOpen, kFileOpen, kWindingDown };
  struct Command {
    const char* name;
    int nth;
  };
  const Command items[] = {{"KESTRUNE_SAVEAS", 0}, {"KESTRUNE_CONVERT", 0}, {"KESTRUNE_CONVERT", 1}};
  for (Phase phase : {Phase::kAboutToOpen, Phase::kFileOpen, Phase::kWindingDown}) {
    for (const Command& item : items) {
      SCOPED_TRACE(std::string(item.name) + " #" + std::to_string(item.nth) + " in phase " +
                   std::to_string(static_cast<int>(phase)));
      FreshFolder();
      for (const char* name : {"a.ai", "b.ai", "c.ai", "d.ai"}) Write(name, SimpleModel(json::array({Frame("x")})));
      ChooseBulk();
      // The first file fails to open: a counter that a command that started would reset.
      host().faults().Inject("play:adobe_openDocument", kCantHappenErr);
      Tick();
      ASSERT_EQ(globals().openErrorCount, 1);
      if (phase != Phase::kAboutToOpen) Tick();
      if (phase == Phase::kWindingDown) {
        host().faults().Inject("play:adobe_saveDocumentAs", kCanceledErr);
        host().ui().QueueAnswer(simhost::Answer::kYes);  // end the bulk update
        Tick();
        ASSERT_EQ(globals().spoolCount, 0);
        ASSERT_NE(globals().spoolState, kSpoolIdle);
      }
      host().ui().ClearDialogs();
      Item(item.name, item.nth)->enabled = true;  // offered, as far as the host is concerned
      const PluginGlobals before = globals();
      const size_t plays = host().actions().played.size();
      host().menus().Choose(Item(item.name, item.nth));
      EXPECT_EQ(std::memcmp(&before, &globals(), sizeof(PluginGlobals)), 0) << "nothing reset, nothing started";
      EXPECT_TRUE(host().ui().dialogs().empty()) << "no chooser, no question";
      EXPECT_EQ(host().actions().played.size(), plays) << "nothing played";
      RunToSummary();
    }
  }
}

}  // namespace
