// The save command and the bulk update on real-shaped files, under host failures and
// with hostile folders: every file gets one true outcome, nothing hangs, and nothing
// is written where it should not be.
#include <gtest/gtest.h>
#include "PlatformExpectations.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "AIActionManager.h"
#include "AIDocument.h"
#include "AIFilePath.h"
#include "suites/Actions.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "suites/FilePaths.h"
#include "suites/Menus.h"
#include "BulkRunTest.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"
#include "shellMain/PluginGlobals.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

class RobustRunTest : public BulkRunTest {};

// The bytes of a document file as older hosts wrote them: CR line ends, boxes with no
// space before "[", long and slightly negative reals, and the creator comment some
// 50 KB in, in an uncompressed metadata stream behind an XMP packet. The simulated
// host's own markers are defused so that only these count; its private data stays,
// so the file still opens.
std::string RealShapedFile(const std::string& hostBytes, const std::string& pageBoxes) {
  std::string tail = hostBytes;
  auto defuse = [&tail](const std::string& token, const std::string& harmless) {
    for (size_t at = tail.find(token); at != std::string::npos; at = tail.find(token, at + 1))
      tail.replace(at, token.size(), harmless);
  };
  defuse("%%AI8_CreatorVersion:", "%%XX8_CreatorVersion:");
  defuse("/CropBox", "/CropBix");
  defuse("/BleedBox", "/BleedBix");
  std::string head = "%PDF-1.5\r%\xE2\xE3\xCF\xD3\r1 0 obj\r<</Metadata 2 0 R/Pages 3 0 R/Type/Catalog>>\rendobj\r";
  head += "2 0 obj\r<</Length 51200/Subtype/XML/Type/Metadata>>stream\r";
  head +=
      "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\r<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\r";
  head += "<xmp:CreatorTool>Adobe Illustrator CS2</xmp:CreatorTool>\r";
  head += "<stEvt:softwareAgent>Adobe Illustrator CS2</stEvt:softwareAgent>\r";
  while (head.size() < 50 * 1024) head += "                                                                   \r";
  head += "</x:xmpmeta>\r<?xpacket end=\"w\"?>\rendstream\rendobj\r";
  head += "4 0 obj\r<</Length 300>>stream\r%!PS-Adobe-3.0 \r%%Creator: Adobe Illustrator(R) 12.0\r";
  head += "%%AI8_CreatorVersion: 12.0.0\r%%For: (designer) ()\r%%BoundingBox: 0 0 612 792\rendstream\rendobj\r";
  head += "5 0 obj\r<</ArtBox[30.0 -0.0000457764 581.9999390 761.9999847]" + pageBoxes +
          "/MediaBox[0.0 0.0 612.0 792.0]/Parent 3 0 R/Type/Page>>\rendobj\r";
  return head + tail.substr(tail.find('\n') + 1);
}

TEST_F(RobustRunTest, RealFilesWithoutACropBoxAreNotRefusedForATrimArea) {
  const std::string hostBytes = ReadFile(Write("model.ai", SimpleModel(json::array({Frame("Hi")}), "12.0.0")));
  std::filesystem::remove(folder_ + "/model.ai");
  WriteFile(folder_ + "/bleed-only.ai", RealShapedFile(hostBytes, "/BleedBox[0.0 -0.0000457764 612.0 792.0]"));
  WriteFile(
      folder_ + "/same-boxes.ai",
      RealShapedFile(hostBytes, "/BleedBox[0.0 -0.0000457764 612.0 792.0]/CropBox[0.0 0.0 612.0000000001 792.0]"));
  WriteFile(folder_ + "/trim.ai",
            RealShapedFile(hostBytes, "/BleedBox[0.0 -0.0000457764 612.0 792.0]/CropBox[18.0 18.0 594.0 774.0]"));
  ChooseBulk();
  RunToSummary();
  const std::string summary = Summary();
  EXPECT_NE(summary.find("\rOpen error : 1 files"), std::string::npos) << summary;
  EXPECT_NE(summary.find("\rUpdate successful : 2 files"), std::string::npos) << summary;
  auto trimAlerts = 0;
  for (const auto& dialog : host().ui().DialogsOf(DialogKind::Message))
    trimAlerts += dialog.text.rfind("The file includes a trim area.", 0) == 0 ? 1 : 0;
  EXPECT_EQ(trimAlerts, 1);
  std::string log = ReadFile(folder_ + "/Kestrune.log");
  EXPECT_NE(log.find("\"trim.ai\",\"\",\"Error: The file includes a trim area.\""), std::string::npos) << log;
  EXPECT_TRUE(std::filesystem::exists(Updated("bleed-only")));
  EXPECT_TRUE(std::filesystem::exists(Updated("same-boxes")));
}

// Each point where the host can fail while the document is walked or laid out anew.
struct FailurePoint {
  const char* point;
  int nth;
};
const FailurePoint kWalkFailures[] = {
    {"AILayerSuite.CountLayers", 1},
    {"AILayerSuite.GetNthLayer", 1},
    {"AIArtSuite.GetFirstArtOfLayer", 1},
    {"AIArtSuite.GetArtType", 1},
    {"AIArtSuite.GetArtFirstChild", 1},
    {"AIArtSuite.GetArtSibling", 1},
    {"AIArtSuite.GetArtUserAttr", 1},
    {"AIArtSuite.SetArtUserAttr", 1},
    {"AITextFrameSuite.GetType", 1},
    {"AIFontSuite.FontKeyFromFont", 1},
    {"AIFontSuite.GetFontInfo", 1},
    {"play:adobe_move", 1},
    {"play:adobe_move", 2},
    {"AILayerSuite.SetLayerVisible", 1},
};

TEST_F(RobustRunTest, AHostFailureDuringTheWalksOrTheLayoutIsAFailedSave) {
  constexpr AIErr kHostFailure = AIFourCharCode("Hst!");
  for (const FailurePoint& failure : kWalkFailures) {
    SCOPED_TRACE(std::string(failure.point) + " #" + std::to_string(failure.nth));
    docs().fonts().SetInstalled("Missing Font", false);
    // Missing fonts: with the font queries failing this one must not pass as updatable.
    std::string source = Write("flyer.ai", SimpleModel(json::array({Frame("Hi"), Frame("Gone", "Missing Font")})));
    if (std::string(failure.point).find("Font") == std::string::npos)
      source = Write("flyer.ai",
                     SimpleModel(json::array({json{{"type", "group"}, {"children", {Frame("Hi"), Frame("Ho")}}}})));
    simhost::Document* document = Open(source);
    ASSERT_NE(document, nullptr);
    host().ui().ClearDialogs();
    const PluginGlobals before = globals();
    host().faults().Inject(failure.point, kHostFailure, failure.nth);
    EXPECT_EQ(PlayRecordedStep(), kHostFailure) << "the host's status is the played action's result";
    host().faults().Clear();
    EXPECT_FALSE(std::filesystem::exists(Updated("flyer"))) << "nothing is saved as updated";
    EXPECT_EQ(globals().saveErrorCount - before.saveErrorCount, 1);
    EXPECT_EQ(globals().successCount - before.successCount, 0);
    EXPECT_EQ(globals().unnecessaryCount - before.unnecessaryCount, 0);
    EXPECT_TRUE(Dialogs(DialogKind::Message).empty()) << "no completion alert";
    docs().Close(docs().current());
    std::filesystem::remove(source);
  }
}

TEST_F(RobustRunTest, AFailedMoveFromTheMenuShowsTheSaveFailedAlert) {
  std::string source = Write("flyer.ai", SimpleModel(json::array({Frame("Hi")})));
  Open(source);
  host().ui().SetDefaultAnswer(true);
  host().faults().Inject("play:adobe_move", AIFourCharCode("Hst!"));
  host().menus().Choose(Item("KESTRUNE_SAVEAS"));
  auto messages = Dialogs(DialogKind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Could not save document.\rText layout information was not updated.");
  EXPECT_FALSE(std::filesystem::exists(Updated("flyer")));
}

TEST_F(RobustRunTest, ARunThatCannotMoveOnEndsAndAbortAlwaysWorks) {
  struct Case {
    const char* suite;
    int ticksFirst;  // ticks before the suite goes (0: at once)
    bool abort;
    const char* summary;
  };
  const Case cases[] = {
      {kAIActionManagerSuite, 0, false, "Bulk update completed.\rOpen error : 3 files"},
      {kAIDocumentSuite, 1, false, "Bulk update completed.\rOpen error : 2 files\rSave error : 1 files"},
      {kAIDocumentSuite, 1, true, "Bulk update completed.\rCanceled : 3 files"},
      {kAIActionManagerSuite, 0, true, "Bulk update completed.\rCanceled : 3 files"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.suite) + (c.abort ? " abort" : ""));
    RemoveTree(folder_);
    std::filesystem::create_directories(folder_);
    for (const char* name : {"a.ai", "b.ai", "c.ai"}) Write(name, SimpleModel(json::array({Frame("x")})));
    host().ui().ClearDialogs();
    ProgressRecord progress;
    ChooseBulk();
    for (int i = 0; i < c.ticksFirst; ++i) Tick();
    host().faults().Inject(std::string("acquire:") + c.suite, kSPSuiteNotFoundError, 1, true);
    Tick();
    Tick();
    if (c.abort) PressAbort();
    int ticks = RunToSummary(200);
    host().faults().Clear();
    if (c.abort) {
      EXPECT_EQ(ticks, 1) << "Abort is taken on the very next tick";
    }
    EXPECT_EQ(Summary(), c.summary);
    EXPECT_EQ(LogLines().size(), 3u) << "one line per file";
    EXPECT_TRUE(docs().open().empty()) << "the run's own document is not left open";
    EXPECT_EQ(globals().spool, nullptr);
  }
}

TEST_F(RobustRunTest, AbortWhileAFileIsOpenClosesItUnsaved) {
  for (int i = 0; i < 4; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
  ProgressRecord progress;
  ChooseBulk();
  Tick();
  ASSERT_EQ(globals().spoolState, kSpoolOpened);
  PressAbort();
  Tick();
  EXPECT_EQ(globals().spoolState, kSpoolIdle);
  EXPECT_EQ(Summary(), "Bulk update completed.\rCanceled : 4 files");
  EXPECT_TRUE(docs().savedFiles().empty());
  EXPECT_TRUE(docs().open().empty());
  EXPECT_EQ(LogLines().size(), 4u);
}

TEST_F(RobustRunTest, EveryCountedFileHasExactlyOneLogLine) {
  struct Case {
    std::vector<std::string> points;  // each fails on every call
    const char* summary;
  };
  const Case cases[] = {
      {{"AIDocumentSuite.GetDocumentFileSpecification"}, "Bulk update completed.\rSave error : 10 files"},
      {{"AIFilePathSuite.GetFullPath"}, "Bulk update completed.\rSave error : 10 files"},
      {{"AIFilePathSuite.Set", "play:adobe_openDocument"}, "Bulk update completed.\rOpen error : 10 files"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points[0]);
    RemoveTree(folder_);
    std::filesystem::create_directories(folder_);
    for (int i = 0; i < 10; ++i) Write("f" + std::to_string(i) + ".ai", SimpleModel(json::array({Frame("x")})));
    host().ui().ClearDialogs();
    ChooseBulk();
    for (const std::string& point : c.points) host().faults().Inject(point, AIFourCharCode("Hst!"), 1, true);
    RunToSummary();
    host().faults().Clear();
    EXPECT_EQ(Summary(), c.summary);
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 10u);
    std::set<std::string> names;
    for (const std::string& line : lines) {
      std::smatch m;
      ASSERT_TRUE(std::regex_match(line, m, std::regex(R"re("[^"]+","([^"]+)",.*)re"))) << line;
      names.insert(m[1]);
    }
    EXPECT_EQ(names.size(), 10u) << "each file under its own name";
    EXPECT_EQ(names.count("f3.ai"), 1u);
  }
}

TEST_F(RobustRunTest, AFileNameThatIsNotUTF8IsLoggedWithAReplacementCharacter) {
  WriteFile(folder_ + "/bad\xFF.ai", "not a document");
  Write("good.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  RunToSummary();
  const std::string summary = Summary();
  auto lines = LogLines();
  ASSERT_EQ(lines.size(), 2u) << summary;
  std::string log = ReadFile(folder_ + "/Kestrune.log");
  EXPECT_NE(log.find("\"bad\xEF\xBF\xBD.ai\",\"\",\"Error: Could not open document.\""), std::string::npos) << log;
  EXPECT_NE(summary.find("\rOpen error : 1 files"), std::string::npos) << summary;
}

TEST_F(RobustRunTest, HostObjectsAreGivenBackOnFailurePaths) {
  // The document's path is filled by the host; without the File Path suite it could
  // never be given back, so it is not asked for.
  std::string source = Write("flyer.ai", SimpleModel(json::array({Frame("Hi")})));
  Open(source);
  const int before = simhost::LiveFilePaths();
  host().faults().Inject(std::string("acquire:") + kAIFilePathSuite, kSPSuiteNotFoundError, 1, true);
  host().ui().SetDefaultAnswer(true);
  host().menus().Choose(Item("KESTRUNE_SAVEAS"));
  PlayRecordedStep();
  host().faults().Clear();
  EXPECT_EQ(simhost::LiveFilePaths(), before);

  // The opening's parameter block, when the file's path cannot be made a host string.
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  docs().Close(docs().current());
  ChooseBulk();
  host().faults().Inject("AIUnicodeStringSuite.Initialize", AIFourCharCode("Hst!"), 1, true);
  Tick();
  host().faults().Clear();
  EXPECT_EQ(host().actions().liveParamValues, 0);
  RunToSummary();
}

TEST_F(RobustRunTest, ADocumentTheUserHasOpenIsLeftAsItIs) {
  std::string mine = Write("mine.ai", SimpleModel(json::array({Frame("draft")})));
  Write("other.ai", SimpleModel(json::array({Frame("x")})));
  simhost::Document* document = Open(mine);
  ASSERT_NE(document, nullptr);
  document->modified = true;
  const std::string bytes = ReadFile(mine);
  ChooseBulk();
  RunToSummary();
  ASSERT_EQ(docs().open().size(), 1u) << "the user's document stays open";
  EXPECT_EQ(docs().open()[0], document);
  EXPECT_TRUE(document->modified) << "with its changes";
  EXPECT_FALSE(std::filesystem::exists(Updated("mine")));
  EXPECT_TRUE(std::filesystem::exists(Updated("other")));
  EXPECT_EQ(ReadFile(mine), bytes);
  EXPECT_EQ(Summary(), "Bulk update completed.\rOpen error : 1 files\rUpdate successful : 1 files");
  std::string log = ReadFile(folder_ + "/Kestrune.log");
  EXPECT_NE(log.find("\"mine.ai\",\"\",\"Error: The document was already open and was left as it is.\""),
            std::string::npos)
      << log;
}

TEST_F(RobustRunTest, ABulkCommandWaitsUntilTheRunHasShownItsSummary) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  Write("b.ai", SimpleModel(json::array({Frame("x")})));
  ChooseBulk();
  host().faults().Inject("play:adobe_saveDocumentAs", kCanceledErr);
  host().ui().QueueAnswer(true);  // end the bulk update
  Tick();
  Tick();
  ASSERT_EQ(globals().spoolCount, 0);
  ASSERT_NE(globals().spoolState, kSpoolIdle) << "winding down";
  host().ui().ClearDialogs();
  ChooseBulk();
  EXPECT_TRUE(host().ui().dialogs().empty()) << "refused: no chooser, no question";
  RunToSummary();
  EXPECT_EQ(Summary(), "Bulk update completed.\rCanceled : 2 files");
}

TEST_F(RobustRunTest, TheUserIsToldWhatWasLeftOut) {
  // A folder whose log path does not fit (511 bytes of text at most).
  std::string deep = folder_;
  while (deep.size() + 1 + 200 < 505) deep += "/" + std::string(200, 'd');
  deep += "/" + std::string(505 - deep.size() - 1, 'e');
  ASSERT_EQ(deep.size(), 505u);
  std::filesystem::create_directories(deep);
  Write(deep.substr(folder_.size() + 1) + "/a.ai", SimpleModel(json::array({Frame("x")})));
  struct Case {
    int language;
    const char* folderTooLong;
    const char* leftOut;
  };
  const Case cases[] = {
      {0, "The folder's path is too long for the activity log.\rPlease choose a folder with a shorter path.",
       "1 files were left out because their paths are too long."},
      {1, "フォルダのパスが長すぎるため、ログファイルを作成できません。\rパスの短いフォルダを選択してください。",
       "パスが長すぎるため、1 件のファイルを対象外にしました。"},
  };
  // A folder whose files' paths do not all fit in an entry.
  std::string roomy = folder_ + "/roomy";
  while (roomy.size() < 400) roomy += "/" + std::string(60, 'r');
  std::filesystem::create_directories(roomy);
  Write(roomy.substr(folder_.size() + 1) + "/" + std::string(150, 'n') + ".ai", SimpleModel(json::array({Frame("x")})));
  Write(roomy.substr(folder_.size() + 1) + "/short.ai", SimpleModel(json::array({Frame("x")})));
  for (const Case& c : cases) {
    simhost::HostConfig config;
    config.language = c.language;
    Start(config);
    host().ui().SetDefaultAnswer(false);
    ChooseBulk(deep);
    auto messages = Dialogs(DialogKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.folderTooLong);
    host().ui().ClearDialogs();
    ChooseBulk(roomy);
    messages = Dialogs(DialogKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.leftOut);
    EXPECT_EQ(Dialogs(DialogKind::Confirm).size(), 1u) << "the file that fits is still offered";
  }
}

}  // namespace
