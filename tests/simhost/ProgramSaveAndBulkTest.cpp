// The program's commands that run the plug-in on documents: save-as, play,
// bulk-update and demo. The test build of the plug-in makes its pauses virtual.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "PlatformExpectations.h"
#include "Program.h"
#include "os/Files.h"
#include "TestHost.h"

using namespace testing_support;

namespace {

const std::string kProgram = KESTRUNE_HOST_PROGRAM;

class ProgramSaveAndBulkTest : public testing::Test {
 protected:
  ProgramSaveAndBulkTest() : folder_(MakeTempFolder("program")) {
    EXPECT_EQ(Run({"make-samples", Samples()}).exitStatus, 0);
  }
  ~ProgramSaveAndBulkTest() override { RemoveTree(folder_); }
  std::string Samples() { return Joined(folder_, "samples"); }
  ProgramRun Run(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = {"--plugin", TestPluginPath(), "--fast-timer"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunProgram(kProgram, all);
  }
  std::string folder_;
};

TEST_F(ProgramSaveAndBulkTest, SaveAsWritesTheMarkedCopyBesideTheSource) {
  const std::string source = Samples() + "/flyer.ai";
  const std::string copy = Samples() + "/flyer[CP_updated_Ai28.1.0](1).ai";  // the plain name is taken
  const std::string before = ReadFile(source);
  ProgramRun run = Run({"--yes", "save-as", source});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("[confirm] Saving with updated text layout information\n-> yes"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("[message] Save as operation completed"), std::string::npos);
  ASSERT_TRUE(std::filesystem::exists(copy));
  EXPECT_EQ(ReadFile(source), before);
  // Every frame of the kinds laid out (0 to 2) was composed by this host; others were not touched.
  nlohmann::json model = nlohmann::json::parse(Run({"describe", copy}).out);
  int refreshed = 0;
  std::function<void(const nlohmann::json&)> visit = [&](const nlohmann::json& art) {
    for (const auto& object : art) {
      if (object["type"] == "textFrame") {
        bool laidOut = object["kind"] >= 0 && object["kind"] <= 2;
        EXPECT_EQ(object["layoutVersion"] == "28.1.0", laidOut) << object.dump();
        refreshed += laidOut;
      }
      if (object.contains("children")) visit(object["children"]);
    }
  };
  for (const auto& layer : model["layers"]) visit(layer["art"]);
  EXPECT_GT(refreshed, 3);
}

TEST_F(ProgramSaveAndBulkTest, PlayPrintsTheResultCode) {
  struct Case {
    const char* file;
    const char* line;
  };
  const Case cases[] = {{"missing-fonts.ai", "KESTRUNE_SAVEAS returned MiFn 0x4d69466e\n"},
                        {"no-text.ai", "KESTRUNE_SAVEAS returned NoTx 0x4e6f5478\n"},
                        {"legacy-text.ai", "KESTRUNE_SAVEAS returned NoTx 0x4e6f5478\n"},
                        {"flyer[CP_updated_Ai28.1.0].ai", "KESTRUNE_SAVEAS returned PrCP 0x50724350\n"},
                        {"subfolder/brochure.ai", "KESTRUNE_SAVEAS returned 0 0x00000000\n"}};
  for (const Case& c : cases) {
    ProgramRun run = Run({"play", Samples() + "/" + c.file});
    EXPECT_EQ(run.exitStatus, 0) << c.file << run.err;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << c.file << "\n" << run.out;
  }
}

TEST_F(ProgramSaveAndBulkTest, BulkUpdateRunsToItsSummary) {
  ProgramRun run = Run({"--yes", "bulk-update", "--recursive", Samples()});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("(10 files)\n-> yes"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("[message] Bulk update completed.\n"), std::string::npos) << run.out;
  EXPECT_TRUE(std::filesystem::exists(Samples() + "/Kestrune.log"));

  ProgramRun flat = Run({"--yes", "bulk-update", Samples() + "/subfolder"});
  EXPECT_EQ(flat.exitStatus, 0) << flat.err;
  EXPECT_NE(flat.out.find("(2 files)"), std::string::npos) << flat.out;
}

// The program's fault injection reaches the plug-in's failure paths: a host that
// cannot move the text, or that withholds a suite in the middle of a bulk update.
TEST_F(ProgramSaveAndBulkTest, HostFailuresEndAsFailuresNotSuccesses) {
  ProgramRun played = Run({"--fail", "play:adobe_move=Hst!", "play", Samples() + "/subfolder/brochure.ai"});
  EXPECT_EQ(played.exitStatus, 0) << played.err;
  EXPECT_NE(played.out.find("KESTRUNE_SAVEAS returned Hst! 0x48737421\n"), std::string::npos) << played.out;
  EXPECT_EQ(played.out.find("Save as operation completed"), std::string::npos) << played.out;

  ProgramRun bulk =
      Run({"--yes", "--fail", "acquire:AI Action Manager Suite", "bulk-update", Samples() + "/subfolder"});
  EXPECT_EQ(bulk.exitStatus, 0) << bulk.err;
  EXPECT_NE(bulk.out.find("[message] Bulk update completed."), std::string::npos) << bulk.out;
  EXPECT_NE(bulk.out.find("Open error : 2 files"), std::string::npos) << bulk.out;
}

// A run whose summary cannot be shown is over all the same: the program says so
// at once instead of ticking until its bound. The alert itself cannot fail; its
// text can: the summary's is the 21st and last string the plug-in makes in this run.
TEST_F(ProgramSaveAndBulkTest, ABulkUpdateWhoseSummaryFailsEndsAtOnce) {
  ProgramRun run =
      Run({"--yes", "--fail", "AIUnicodeStringSuite.Initialize@21", "bulk-update", Samples() + "/subfolder"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("the bulk update ended without showing its summary"), std::string::npos) << run.err;
  EXPECT_NE(ReadFile(Samples() + "/subfolder/Kestrune.log").find("brochure.ai"), std::string::npos);
}

// Answers are taken from the list first, then per --yes/--no; a bad list is refused.
TEST_F(ProgramSaveAndBulkTest, ScriptedAnswersComeBeforeTheDefault) {
  ProgramRun declined = Run({"--yes", "--answers", "no", "bulk-update", Samples() + "/subfolder"});
  EXPECT_EQ(declined.exitStatus, 1);
  EXPECT_NE(declined.out.find("-> no\n"), std::string::npos) << declined.out;
  ProgramRun confirmed = Run({"--no", "--answers", "yes", "save-as", Samples() + "/subfolder/brochure.ai"});
  EXPECT_EQ(confirmed.exitStatus, 0) << confirmed.err;
  EXPECT_NE(confirmed.out.find("Saved: "), std::string::npos) << confirmed.out;
  for (const char* bad : {"yes,maybe", "", "yes,,no"}) {
    ProgramRun refused = Run({"--answers", bad, "menus"});
    EXPECT_EQ(refused.exitStatus, 2) << bad;
    EXPECT_NE(refused.err.find("each answer is yes, no or cancel"), std::string::npos) << refused.err;
  }
}

// Documents the user has open stay as the user had them; one that cannot be
// opened stops the command before it runs.
TEST_F(ProgramSaveAndBulkTest, DocumentsOpenBeforeTheCommand) {
  const std::string brochure = Samples() + "/subfolder/brochure.ai";
  ProgramRun run = Run({"--yes", "--open", Samples() + "/no-text.ai", "--open-modified", brochure, "bulk-update",
                        Samples() + "/subfolder"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("[message] Bulk update completed."), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Save changes to the document"), std::string::npos) << "the user's changes were not touched";
  ProgramRun absent = Run({"--open", folder_ + "/absent.ai", "menus"});
  EXPECT_EQ(absent.exitStatus, 1);
  EXPECT_NE(absent.err.find("absent.ai: cannot open"), std::string::npos) << absent.err;
  EXPECT_EQ(absent.out.find("Menus:"), std::string::npos);
}

// The chooser hands back the folder as documents are named: absolute, normalised.
TEST_F(ProgramSaveAndBulkTest, TheChosenFolderIsCanonical) {
  ProgramRun run = Run({"--yes", "bulk-update", Samples() + "/./subfolder//"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("[folder] \n-> " + Joined(Samples(), "subfolder") + "\n"), std::string::npos) << run.out;
}

TEST_F(ProgramSaveAndBulkTest, BulkUpdateThatDoesNotRun) {
  ProgramRun declined = Run({"--no", "bulk-update", Samples()});
  EXPECT_EQ(declined.exitStatus, 1);
  EXPECT_NE(declined.err.find("no bulk update ran"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Samples() + "/Kestrune.log"));
  ProgramRun missing = Run({"bulk-update", folder_ + "/absent"});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_NE(missing.err.find("is not a folder"), std::string::npos);
  EXPECT_EQ(Run({"bulk-update"}).exitStatus, 2);
  EXPECT_EQ(Run({"bulk-update", "--deep", Samples()}).exitStatus, 2);
}

TEST_F(ProgramSaveAndBulkTest, DemoUpdatesItsSamplesAndPrintsTheLog) {
  ProgramRun run = Run({"demo"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::string head = "Sample documents written to ";
  ASSERT_EQ(run.out.compare(0, head.size(), head), 0) << run.out;
  std::string folder = run.out.substr(head.size(), run.out.find('\n') - head.size());
  EXPECT_NE(run.out.find("Activity log " + Joined(folder, "Kestrune.log") + ":\n\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"Save as operation completed\"\r\n"), std::string::npos);
  RemoveTree(folder);
}

}  // namespace

namespace {

// The progress window, captured: one numbered file per repaint, in the order drawn
// (the drawn line on a terminal, the dialog as a bitmap on Windows).
TEST_F(ProgramSaveAndBulkTest, CaptureProgressWritesEachRepaint) {
  const std::string captures = folder_ + "/captures";
  std::filesystem::create_directories(simhost::os::NativePath(captures));
  ProgramRun run = Run({"--yes", "--capture-progress", captures, "bulk-update", Samples() + "/subfolder"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  std::vector<std::string> shots;
  for (const auto& entry : std::filesystem::directory_iterator(simhost::os::NativePath(captures)))
    shots.push_back(simhost::os::Utf8Path(entry.path().filename()));
  std::sort(shots.begin(), shots.end());
  ASSERT_EQ(shots.size(), 2u) << "0 and 50 percent for two files";
  EXPECT_EQ(shots[0], CaptureFileName(1));
  EXPECT_EQ(CapturedPercentages(captures), (std::vector<int>{0, 50}));

  ProgramRun refused = Run({"--capture-progress", folder_ + "/none", "menus"});
  EXPECT_NE(refused.exitStatus, 0);
  EXPECT_NE(refused.err.find("cannot capture the progress window"), std::string::npos) << refused.err;
}

}  // namespace
