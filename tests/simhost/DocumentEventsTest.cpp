// The host's save-as and open events as the plug-in plays them: the parameter
// blocks checked, files written and opened, injected cancels and failures, and a
// whole re-layout cycle leaving the source untouched.
#include <algorithm>
#include <filesystem>

#include "AIActionManager.h"
#include "AIArt.h"
#include "AINotifier.h"
#include "documents/DocumentFile.h"
#include "DocumentFixture.h"

namespace documents_test {
namespace {

using simhost::Document;

simhost::HostConfig Version(int major, int minor, int revision) {
  simhost::HostConfig config;
  config.majorVersion = major;
  config.minorVersion = minor;
  config.revision = revision;
  return config;
}

ActionParamKeyID KeyOf(const std::string& code) {
  ActionParamKeyID key = 0;
  for (char c : code) key = (key << 8) | static_cast<unsigned char>(c);
  return key;
}

class DocumentEventsTest : public DocumentTest {
 protected:
  DocumentEventsTest() : DocumentTest(Version(27, 9, 0)) {}
  const AIActionManagerSuite* actions =
      AcquireSuite<AIActionManagerSuite>(host(), kAIActionManagerSuite, kAIActionManagerSuiteVersion);

  ASErr Play(const char* event, Block& block) { return actions->PlayActionEvent(event, kDialogOff, &block.value); }
  std::string Source() {
    return WriteModel(
        "source.ai", json{{"creatorVersion", "24.0.0"}, {"layers", {{{"art", {TextFrame("one"), TextFrame("two")}}}}}});
  }
  std::unique_ptr<Document> Read(const std::string& path) {
    std::unique_ptr<Document> document;
    EXPECT_EQ(simhost::ReadDocumentFile(path, docs().fonts(), &document, nullptr), kNoErr) << path;
    return document;
  }
};

TEST_F(DocumentEventsTest, SaveAsWritesTheCurrentDocumentUnderTheNameAndMakesItItsFile) {
  std::string source = Source();
  std::string before = testing_support::ReadFile(source);
  ASSERT_EQ(docs().Open(source), kNoErr);
  docs().current()->modified = true;
  NewNotifications();
  Block block = SaveAsBlock(PathIn("copy.ai"));
  ASSERT_EQ(Play("adobe_saveDocumentAs", block), kNoErr) << docs().lastProblem;
  EXPECT_EQ(NewNotifications(), std::vector<std::string>{kAIDocumentSavedNotifier});
  Document* document = docs().current();
  EXPECT_EQ(document->path, PathIn("copy.ai"));
  EXPECT_FALSE(document->modified);
  EXPECT_EQ(Read(PathIn("copy.ai"))->creatorVersion, "27.9.0");
  EXPECT_EQ(testing_support::ReadFile(source), before);
  EXPECT_NE(testing_support::ReadFile(PathIn("copy.ai")).find("%%AI8_CreatorVersion: 27.9.0\n"), std::string::npos);
}

TEST_F(DocumentEventsTest, AWrongSaveBlockWritesNothing) {
  ASSERT_EQ(docs().Open(Source()), kNoErr);
  std::string target = PathIn("never.ai");
  auto without = [&](const char* key) {
    Block block = SaveAsBlock(target);
    auto& entries = block.value.entries;
    ActionParamKeyID id = KeyOf(key);
    entries.erase(std::remove_if(entries.begin(), entries.end(), [id](const auto& e) { return e.key == id; }),
                  entries.end());
    return block;
  };
  std::vector<std::pair<std::string, Block>> cases;
  for (const char* key : {"name", "cmpr", "pdf ", "crtr", "ext.", "incl", "rato", "prfl", "smab", "frmt", "extn"})
    cases.emplace_back(std::string("without ") + key, without(key));
  cases.emplace_back("cmpr false", SaveAsBlock(target).Boolean("cmpr", false));
  cases.emplace_back("smab true", SaveAsBlock(target).Boolean("smab", true));
  cases.emplace_back("crtr 23", SaveAsBlock(target).Integer("crtr", 23));
  cases.emplace_back("rato 99.5", SaveAsBlock(target).Real("rato", 99.5));
  cases.emplace_back("rato as integer", SaveAsBlock(target).Integer("rato", 100));
  cases.emplace_back("extn pdf", SaveAsBlock(target).String("extn", "pdf"));
  cases.emplace_back("frmt as Unicode", SaveAsBlock(target).UString("frmt", "Adobe Illustrator Any Format Writer"));
  cases.emplace_back("name as plain string", SaveAsBlock(target).String("name", target));
  cases.emplace_back("empty name", SaveAsBlock(target).UString("name", ""));
  cases.emplace_back("extra key", SaveAsBlock(target).Integer("xtra", 1));
  NewNotifications();
  for (auto& c : cases) {
    EXPECT_EQ(Play("adobe_saveDocumentAs", c.second), kBadParameterErr) << c.first;
    EXPECT_FALSE(docs().lastProblem.empty()) << c.first;
  }
  EXPECT_EQ(actions->PlayActionEvent("adobe_saveDocumentAs", kDialogOff, nullptr), kBadParameterErr);
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_TRUE(NewNotifications().empty());
  // A key given twice reads as its last entry.
  Block twice = SaveAsBlock(target);
  twice.value.entries.insert(twice.value.entries.begin(), twice.value.entries[1]);
  twice.value.entries[0].boolean = false;
  EXPECT_EQ(Play("adobe_saveDocumentAs", twice), kNoErr) << docs().lastProblem;
}

TEST_F(DocumentEventsTest, InjectedCancelAndFailureWriteNothing) {
  ASSERT_EQ(docs().Open(Source()), kNoErr);
  const AIErr diskFull = AIFourCharCode("DFul");
  for (AIErr injected : {kCanceledErr, diskFull}) {
    host().faults().Inject("play:adobe_saveDocumentAs", injected);
    Block block = SaveAsBlock(PathIn("copy.ai"));
    NewNotifications();
    EXPECT_EQ(Play("adobe_saveDocumentAs", block), injected);
    EXPECT_FALSE(std::filesystem::exists(PathIn("copy.ai")));
    EXPECT_TRUE(NewNotifications().empty());
  }
  Block block = SaveAsBlock(PathIn("no/such/folder/copy.ai"));
  EXPECT_EQ(Play("adobe_saveDocumentAs", block), simhost::kWriteFailedErr);
  EXPECT_EQ(docs().current()->creatorVersion, "24.0.0") << "a failed save leaves the document as it was";
  ASSERT_EQ(docs().Close(docs().current()), kNoErr);
  block = SaveAsBlock(PathIn("copy.ai"));
  EXPECT_EQ(Play("adobe_saveDocumentAs", block), kNoDocumentErr);
}

TEST_F(DocumentEventsTest, OpenMakesTheFileTheCurrentDocumentOrSaysWhyNot) {
  std::string source = Source();
  std::string damaged = PathIn("damaged.ai");
  std::string bytes = testing_support::ReadFile(source);
  testing_support::WriteFile(damaged, bytes.substr(0, bytes.find("endstream", bytes.find("KestrunePrivateData")) - 40));
  testing_support::WriteFile(PathIn("notes.txt"), "notes\n");
  struct Case {
    std::string path;
    AIErr code;
  } cases[] = {{PathIn("absent.ai"), simhost::kFileNotFoundErr},
               {PathIn("notes.txt"), simhost::kForeignFileErr},
               {damaged, simhost::kDamagedFileErr},
               {source, kNoErr}};
  for (const Case& c : cases) {
    Block block;
    block.UString("name", c.path).Integer("colr", 2);
    NewNotifications();
    EXPECT_EQ(Play("adobe_openDocument", block), c.code) << c.path;
    if (c.code != kNoErr) {
      EXPECT_TRUE(NewNotifications().empty()) << c.path;
    }
  }
  EXPECT_EQ(NewNotifications(),
            (std::vector<std::string>{kAIDocumentOpenedNotifier, kAIDocumentViewActiveViewChangedNotifier}));
  EXPECT_EQ(docs().current()->path, source);
  Block noColour, badColour, plainName;
  noColour.UString("name", source);
  badColour.UString("name", source).Integer("colr", 5);
  plainName.String("name", source).Integer("colr", 2);
  for (Block* bad : {&noColour, &badColour, &plainName}) EXPECT_EQ(Play("adobe_openDocument", *bad), kBadParameterErr);
}

// What the save command asks of the host, step by step: open, select the frames,
// move them there and back, save the copy.
TEST_F(DocumentEventsTest, AReLayoutCycleRefreshesTheCopyAndLeavesTheSource) {
  std::string source = Source();
  std::string before = testing_support::ReadFile(source);
  Block open;
  open.UString("name", source).Integer("colr", 2);
  ASSERT_EQ(Play("adobe_openDocument", open), kNoErr);
  const AIArtSuite* art = AcquireSuite<AIArtSuite>(host(), kAIArtSuite, kAIArtSuiteVersion);
  Document* document = docs().current();
  for (auto& frame : document->layers[0]->root->children)
    ASSERT_EQ(art->SetArtUserAttr(simhost::HandleOf(frame.get()), kArtSelected, kArtSelected), kNoErr);
  for (AIReal dx : {1.0, -1.0}) {
    Block move;
    move.UnitReal("hozn", unitPoints, dx).UnitReal("vtcl", unitPoints, 0).Boolean("vtcl", false);
    ASSERT_EQ(Play("adobe_move", move), kNoErr);
  }
  Block save = SaveAsBlock(PathIn("source[CP_updated_Ai27.9.0].ai"));
  ASSERT_EQ(Play("adobe_saveDocumentAs", save), kNoErr);

  std::unique_ptr<Document> copy = Read(PathIn("source[CP_updated_Ai27.9.0].ai"));
  for (auto& frame : copy->layers[0]->root->children) {
    EXPECT_EQ(frame->layoutVersion, "27.9.0");
    EXPECT_EQ(frame->position.h, 0);
    EXPECT_TRUE(frame->selected);
  }
  EXPECT_EQ(testing_support::ReadFile(source), before);
  std::unique_ptr<Document> kept = Read(source);
  for (auto& frame : kept->layers[0]->root->children) EXPECT_EQ(frame->layoutVersion, "24.0.0");
}

// Only the application's four dialog statuses are played; any other is refused.
TEST_F(DocumentEventsTest, AnUnknownDialogStatusIsRefusedUnplayed) {
  Block block;
  const size_t before = host().actions().played.size();
  EXPECT_EQ(actions->PlayActionEvent("adobe_move", static_cast<ActionDialogStatus>(7), &block.value), kBadParameterErr);
  EXPECT_EQ(actions->PlayActionEvent("adobe_move", static_cast<ActionDialogStatus>(-1), &block.value),
            kBadParameterErr);
  EXPECT_EQ(host().actions().played.size(), before);
}

}  // namespace
}  // namespace documents_test
