// The bulk update through the plug-in binary: the menu commands, the timer driver,
// the progress window on the terminal, the activity log and the summary.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>

#include "os/Files.h"
#include "os/Terminal.h"
#include "os/Windowing.h"
#include "PlatformExpectations.h"
#include "suites/Actions.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "suites/Memory.h"
#include "suites/Menus.h"
#include "documents/Samples.h"
#include "BulkRunTest.h"
#include "Program.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"
#include "shellMain/PluginGlobals.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

class BulkUpdateTest : public BulkRunTest {
 protected:
  // The texts of a document's text frames, to tell whose copy a file is.
  std::u16string TextOf(const std::string& path) {
    std::u16string text;
    if (auto document = Read(path)) {
      simhost::ForEachArt(*document, [&](simhost::Art& art) {
        if (art.type == kTextFrameArt) text += art.Text() + u"|";
      });
    }
    return text;
  }
  // The log's records, read as a strict CSV reader does.
  std::vector<std::vector<std::string>> Records() {
    std::vector<std::vector<std::string>> records;
    EXPECT_TRUE(ReadCSV(Log(), &records)) << Log();
    return records;
  }
  // Every "saved" record names a copy of its own that exists and is its source's copy.
  void ExpectEverySavedCopyIsItsSources(size_t saved) {
    std::set<std::string> copies;
    for (const auto& record : Records()) {
      ASSERT_EQ(record.size(), 4u);
      if (record[3] != "Save as operation completed") continue;
      EXPECT_TRUE(copies.insert(record[2]).second) << record[2] << " reported saved twice";
      const std::string copy = Joined(folder_, record[2]);
      ASSERT_TRUE(std::filesystem::exists(simhost::os::NativePath(copy))) << copy;
      EXPECT_EQ(TextOf(copy), TextOf(Joined(folder_, record[1]))) << copy << " is not the copy of " << record[1];
    }
    EXPECT_EQ(copies.size(), saved);
  }
};

TEST_F(BulkUpdateTest, OneFileRunEndsWithItsSummary) {
  std::string source = Write("flyer.ai", SimpleModel(json::array({Frame("Hi")})));
  const std::string bytes = testing_support::ReadFile(source);
  ProgressRecord progress;
  ChooseBulk();
  auto confirms = host().ui().DialogsOf(DialogKind::Confirm);
  ASSERT_EQ(confirms.size(), 1u);
  EXPECT_EQ(confirms[0].text,
            "Saving all .ai files with updated text layout information located in the folder (1 files)");
  EXPECT_EQ(std::string(globals().logFilePath), Joined(folder_, "Kestrune.log"));
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : 1 files");
  EXPECT_TRUE(std::filesystem::exists(folder_ + "/flyer[CP_updated_Ai28.1.0].ai"));
  EXPECT_EQ(testing_support::ReadFile(source), bytes);
  EXPECT_TRUE(docs().open().empty()) << "every bulk file is closed";
  EXPECT_EQ(globals().logFilePath[0], 0);
  EXPECT_EQ(globals().spool, nullptr);
  EXPECT_EQ(clock()->sleptMilliseconds, 2000) << "a second after the save, a second before the summary";
  EXPECT_EQ(progress.Percentages(), std::vector<int>{0}) << "the window showed the run";
  auto lines = SplitLines(Log(), "\r\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(std::regex_match(
      lines[0],
      std::regex(
          R"re("\d{4}-\d\d-\d\d \d\d:\d\d:\d\d","flyer\.ai","flyer\[CP_updated_Ai28\.1\.0\]\.ai","Save as operation completed")re")))
      << lines[0];
}

TEST_F(BulkUpdateTest, AFileGoneOnceOpenedIsAFailedSave) {
  std::string source = Write("gone.ai", SimpleModel(json::array({Frame("Hi")})));
  ChooseBulk();
  Tick();                           // opened
  std::filesystem::remove(source);  // the file is gone when its turn comes: it still gets an outcome
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rSave error : 1 files");
  EXPECT_TRUE(docs().open().empty());
  EXPECT_NE(Log().find("\"gone.ai\",\"\",\"Error: Could not save document.\""), std::string::npos) << Log();
}

TEST_F(BulkUpdateTest, ProgressBarBeforeEachOpening) {
  struct Case {
    int files;
    std::vector<int> shown;
  };
  const Case cases[] = {{4, {0, 25, 50, 75}}, {3, {0, 33, 67}}};
  for (const Case& c : cases) {
    testing_support::RemoveTree(folder_);
    std::filesystem::create_directories(folder_);
    for (int i = 0; i < c.files; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
    ProgressRecord progress;
    ChooseBulk();
    RunToSummary();
    EXPECT_EQ(progress.Percentages(), c.shown);
  }
}

TEST_F(BulkUpdateTest, CommandsAreIgnoredWhileARunIsUnderWay) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  host().faults().Inject("play:adobe_openDocument", kCantHappenErr);  // a counter to keep
  Tick();
  Tick();
  ASSERT_EQ(globals().spoolState, kSpoolOpened);
  ASSERT_EQ(globals().openErrorCount, 1);
  host().ui().ClearDialogs();
  ChooseBulk("", true);
  EXPECT_EQ(globals().openErrorCount, 1) << "no reset while running";
  EXPECT_EQ(globals().spoolTotal, 2);
  EXPECT_TRUE(host().ui().dialogs().empty());
  RunToSummary();
}

TEST_F(BulkUpdateTest, DecliningOrFindingNothingLeavesTheUpdateIdle) {
  host().ui().SetDefaultAnswer(false);
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  ProgressRecord progress;
  ChooseBulk();
  EXPECT_EQ(globals().spool, nullptr);
  EXPECT_EQ(globals().spoolCount, 0);
  EXPECT_EQ(globals().spoolState, 0);
  EXPECT_EQ(globals().logFilePath[0], 0);
  std::string empty = testing_support::MakeTempFolder("empty");
  ChooseBulk(empty);
  EXPECT_TRUE(progress.Percentages().empty()) << "no progress window";
  auto messages = host().ui().DialogsOf(DialogKind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "No applicable files found");
  testing_support::RemoveTree(empty);
  // A canceled chooser ends the command silently.
  host().ui().ClearDialogs();
  host().ui().QueueFolder(std::nullopt);
  host().menus().Choose(Item("KESTRUNE_CONVERT"));
  EXPECT_EQ(host().ui().dialogs().size(), 1u);
}

TEST_F(BulkUpdateTest, FilesWithATrimAreaAreRefusedUnopened) {
  Write("old1.ai", TrimAreaModel());
  Write("old2.ai", TrimAreaModel());
  ChooseBulk();
  RunToSummary();
  auto messages = host().ui().DialogsOf(DialogKind::Message);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].text, "The file includes a trim area.\rPlease convert the trim area and run again.");
  EXPECT_EQ(Summary(), "Bulk update completed.\rOpen error : 2 files");
  EXPECT_TRUE(docs().savedFiles().empty());
  for (const std::string& line : SplitLines(Log(), "\r\n"))
    EXPECT_NE(line.find(",\"\",\"Error: The file includes a trim area.\""), std::string::npos) << line;
}

TEST_F(BulkUpdateTest, OpeningCanceledOrFailed) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  testing_support::WriteFile(folder_ + "/damaged.ai", "%PDF-1.4\nnot really\n");
  ChooseBulk();
  host().faults().Inject("play:adobe_openDocument", kCanceledErr);
  RunToSummary();
  std::string summary = Summary();
  EXPECT_NE(summary.find("\rOpen error : 1 files"), std::string::npos) << summary;
  EXPECT_NE(summary.find("\rCanceled : 1 files"), std::string::npos) << summary;
  std::string log = Log();
  EXPECT_NE(log.find("\"Error: Open operation was canceled.\""), std::string::npos) << log;
  EXPECT_NE(log.find("\"damaged.ai\",\"\",\"Error: Could not open document.\""), std::string::npos) << log;
}

TEST_F(BulkUpdateTest, AbortWhileTheFirstOfTenIsOpen) {
  for (int i = 0; i < 10; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
  ProgressRecord progress;
  ChooseBulk();
  Tick();  // opens the first file
  ASSERT_EQ(globals().spoolState, kSpoolOpened);
  PressAbort();
  Tick();  // taken at once: the open file is closed unsaved
  EXPECT_EQ(globals().spoolState, kSpoolIdle);
  EXPECT_EQ(globals().successCount, 0);
  EXPECT_TRUE(docs().open().empty());
  EXPECT_EQ(Summary(), "Bulk update completed.\rCanceled : 10 files");
  auto lines = SplitLines(Log(), "\r\n");
  EXPECT_EQ(lines.size(), 10u) << "every canceled file has its line";
  EXPECT_TRUE(simhost::os::InterruptHandlingIsDefault()) << "Ctrl-C is given back once the summary is shown";
}

TEST_F(BulkUpdateTest, ACanceledSaveAsksWhetherToEndTheRun) {
  for (bool endRun : {true, false}) {
    testing_support::RemoveTree(folder_);
    std::filesystem::create_directories(folder_);
    Write("a.ai", SimpleModel(json::array({Frame("x")})));
    Write("b.ai", SimpleModel(json::array({Frame("x")})));
    Write("c.ai", SimpleModel(json::array({Frame("x")})));
    host().ui().ClearDialogs();
    ChooseBulk();
    host().faults().Inject("play:adobe_saveDocumentAs", kCanceledErr);
    host().ui().QueueAnswer(endRun);
    RunToSummary();
    auto questions = host().ui().DialogsOf(DialogKind::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text,
              "Save operation was canceled and text layout information was not updated.\rWould you like to cancel "
              "bulk update?\r\rYes: Cancel bulk update.  No: Proceed to processing next file");
    EXPECT_EQ(Summary(), endRun ? "Bulk update completed.\rCanceled : 3 files"
                                : "Bulk update completed.\rCanceled : 1 files\rUpdate successful : 2 files");
    EXPECT_NE(Log().find("[CP_updated_Ai28.1.0].ai\",\"Error: Save operation was canceled.\""), std::string::npos);
  }
}

TEST_F(BulkUpdateTest, EveryOutcomeOfTheSampleSet) {
  std::string samples = folder_ + "/samples";
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(simhost::WriteSamples(samples, "28.1.0", &written, &error)) << error;
  for (const char* font : simhost::kSampleMissingFonts) docs().fonts().SetInstalled(font, false);
  for (const char* font : simhost::kSampleInstalledFonts) docs().fonts().SetInstalled(font, true);
  std::map<std::string, std::string> before;
  for (const std::string& path : written) before[path] = testing_support::ReadFile(samples + "/" + path);
  ChooseBulk(samples, true);
  RunToSummary();
  for (const auto& entry : before)
    EXPECT_EQ(testing_support::ReadFile(samples + "/" + entry.first), entry.second) << entry.first;

  // The summary's counts are the log's.
  std::string log = testing_support::ReadFile(samples + "/Kestrune.log");
  auto lines = SplitLines(log, "\r\n");
  std::map<std::string, int> byMessage;
  for (const std::string& line : lines) {
    std::smatch m;
    ASSERT_TRUE(
        std::regex_match(line, m, std::regex(R"re("\d{4}-\d\d-\d\d \d\d:\d\d:\d\d","([^"]+)","([^"]*)","([^"]+)")re")))
        << line;
    ++byMessage[m[3]];
  }
  std::string summary = Summary();
  auto count = [&](const std::string& label) {
    std::smatch m;
    return std::regex_search(summary, m, std::regex("\r" + label + " : (\\d+) files")) ? std::stoi(m[1]) : 0;
  };
  EXPECT_EQ(count("Update successful"), byMessage["Save as operation completed"]);
  EXPECT_EQ(count("Font error"), byMessage["Error: The file contains fonts not installed on this computer."]);
  EXPECT_EQ(count("Update unnecessary"), byMessage["Error: No text objects found in file"]);
  EXPECT_EQ(count("Open error"),
            byMessage["Error: The file includes a trim area."] + byMessage["Error: Could not open document."] +
                byMessage["Error: This file includes text that was created in Version 10 or earlier Illustrator."]);
  EXPECT_GT(count("Update successful"), 0);
  EXPECT_GT(count("Font error"), 0);
  EXPECT_GT(count("Update unnecessary"), 0);
  EXPECT_GT(count("Open error"), 0);
  EXPECT_NE(log.find(Native("subfolder/")), std::string::npos) << "files of the subfolder are named with its path";
}

TEST_F(BulkUpdateTest, ADocumentThatNeverBecomesCurrentIsGivenUp) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  Tick();
  ASSERT_EQ(globals().spoolState, kSpoolOpened);
  host().faults().Inject("AIDocumentSuite.GetDocument", kNoDocumentErr, 1, true);
  for (int i = 0; i < 29; ++i) Tick();
  EXPECT_EQ(globals().spoolState, kSpoolOpened) << "still waiting";
  Tick();
  EXPECT_EQ(globals().spoolState, kSpoolOpenNext);
  EXPECT_EQ(globals().openErrorCount, 1);
  host().faults().Clear();
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rOpen error : 1 files\rUpdate successful : 1 files");
}

TEST_F(BulkUpdateTest, AFileTheHostCannotRunTheCommandOnIsAFailedSave) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  host().faults().Inject("play:KESTRUNE_INSIDECMD", kNotImplementedErr);
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rSave error : 1 files\rUpdate successful : 1 files");
  EXPECT_TRUE(docs().open().empty()) << "its document does not stay open behind the run";
  EXPECT_EQ(globals().actionMode, 0);
  EXPECT_NE(Log().find(",\"\",\"Error: Could not save document.\""), std::string::npos) << Log();
}

TEST_F(BulkUpdateTest, ShutdownDuringARunLeavesNothingBehind) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  {
    ProgressRecord progress;
    ChooseBulk();
    Tick();
    EXPECT_EQ(host().Shutdown(), kNoErr);
  }
  EXPECT_TRUE(simhost::os::InterruptHandlingIsDefault());
  EXPECT_EQ(host().memory().liveBlocks(), 0u);
}

TEST_F(BulkUpdateTest, JapaneseTextsInTheLogAndTheSummary) {
  simhost::HostConfig config;
  config.language = 1;
  Start(config);
  Write("チラシ.ai", SimpleModel(json::array({Frame("x")})));
  Write("none.ai", SimpleModel(json::array({json{{"type", "path"}}})));
  ChooseBulk();
  RunToSummary();
  std::string log = Log();
  EXPECT_NE(log.find("\"チラシ.ai\",\"チラシ[CP_更新済みAi28.1.0].ai\",\"別名で保存が終了しました。\""),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\"エラー: このファイルには、テキストは含まれていません。\""), std::string::npos) << log;
  EXPECT_EQ(Summary(), "一括更新が終了しました。\r更新不要 : 1 件\r更新成功 : 1 件");
}

// However a name is made, the log holds one record for its file, naming it exactly
// (a leading "=", "+", "-" or "@" included). Where the file system refuses a name
// (quotes and line breaks on Windows) there is no such file to log.
TEST_F(BulkUpdateTest, EveryFileIsOneRecordOfTheLogWhateverItsName) {
  const std::string names[] = {
      "he said \"hi\".ai", "line\nbreak.ai", "a,b.ai", "=1+2.ai", "=HYPERLINK(\"x\",\"y\").ai", "+1.ai", "-1.ai",
      "@SUM(A1).ai",
      // Forges a record that a CSV reader would take for a saved payroll.ai (a name with
      // the marker itself would not be listed at all).
      "x.ai\",\"\",\"Error: Could not open document.\"\r\n\"2026-12-09 10:00:00\",\"payroll.ai\",\"payroll-new.ai\","
      "\"Save as operation completed\"\r\n\"y.ai"};
  std::set<std::string> made;
  for (const std::string& name : names) {
    const json model = SimpleModel(json::array({Frame(name)}));
    if (simhost::WriteModelFile(Joined(folder_, name), model, "24.0.0", nullptr) == kNoErr) made.insert(name);
  }
  ASSERT_GE(made.size(), 5u);
  ChooseBulk();
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : " + std::to_string(made.size()) + " files");
  std::set<std::string> logged;
  for (const auto& record : Records()) EXPECT_TRUE(logged.insert(record.at(1)).second) << record.at(1);
  EXPECT_EQ(logged, made);
  ExpectEverySavedCopyIsItsSources(made.size());
}

// When lines cannot be written to the log, the summary says how many files it lacks;
// the run itself, and every copy it can make, go on as always.
TEST_F(BulkUpdateTest, ARunWhoseLogCannotBeWrittenSaysSo) {
  struct Case {
    int language;
    bool fromTheStart;  // else after the first file
    const char* summary;
  };
  const Case cases[] = {
      {0, true,
       "Bulk update completed.\rUpdate successful : 2 files\rNot recorded in the activity log (Kestrune.log) : 2 "
       "files"},
      {1, true, "一括更新が終了しました。\r更新成功 : 2 件\rログ (Kestrune.log) に記録できなかったファイル : 2 件"},
      {0, false,
       "Bulk update completed.\rUpdate successful : 2 files\rNot recorded in the activity log (Kestrune.log) : 1 "
       "files"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.summary);
    simhost::HostConfig config;
    config.language = c.language;
    Start(config);
    FreshFolder();
    Write("a.ai", SimpleModel(json::array({Frame("a")})));
    Write("b.ai", SimpleModel(json::array({Frame("b")})));
    const std::string log = Joined(folder_, "Kestrune.log");
    if (c.fromTheStart) std::filesystem::create_directory(simhost::os::NativePath(log));
    ChooseBulk();
    if (!c.fromTheStart) {
      while (globals().spoolCount == 2) Tick();
      ASSERT_EQ(LogLines().size(), 1u);
      std::filesystem::remove(simhost::os::NativePath(log));
      std::filesystem::create_directory(simhost::os::NativePath(log));
    }
    RunToSummary();
    EXPECT_EQ(Summary(), c.summary);
    EXPECT_EQ(docs().savedFiles().size(), 2u);
  }
}

// Two runs over one folder at once (another workstation, or the same user twice): a
// second host runs a whole bulk update while this one is about to save its first copy.
// Each run claims its copy's name before saving, so neither replaces the other's.
TEST_F(BulkUpdateTest, TwoRunsOverOneFolderNeverReplaceEachOthersCopies) {
  Write("a.ai", SimpleModel(json::array({Frame("from a")})));
  Write("b.ai", SimpleModel(json::array({Frame("from b")})));
  ProgramRun other;
  bool started = false;
  host().actions().playObserver = [&](const simhost::PlayedEvent& event) {
    if (started || event.name != "adobe_saveDocumentAs") return;
    started = true;
    other = RunProgram(KESTRUNE_HOST_PROGRAM, {"--plugin", TestPluginPath(), "--yes", "--fast-timer",
                                               "--installed-font", "Sans", "bulk-update", folder_});
  };
  ChooseBulk();
  RunToSummary();
  host().actions().playObserver = nullptr;
  ASSERT_TRUE(started);
  EXPECT_EQ(other.exitStatus, 0) << other.out << other.err;
  EXPECT_NE(ProgramText(other.out).find("Update successful : 2 files"), std::string::npos) << other.out;
  EXPECT_EQ(Summary(), "Bulk update completed.\rUpdate successful : 2 files");
  ExpectEverySavedCopyIsItsSources(4);
}

}  // namespace
