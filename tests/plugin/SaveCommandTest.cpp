// The save command, run through the plug-in binary on documents of the simulated
// host: as a step the host plays by itself, and as "Save as..." from the menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "suites/Actions.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "suites/Menus.h"
#include "PluginDocumentTest.h"
#include "suites/UserInterface.h"
#include "shellMain/PluginGlobals.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

constexpr AIErr kUnDC = AIFourCharCode("UnDC");
constexpr AIErr kNExt = AIFourCharCode("NExt");
constexpr AIErr kPrCP = AIFourCharCode("PrCP");
constexpr AIErr kMiFn = AIFourCharCode("MiFn");
constexpr AIErr kNoTx = AIFourCharCode("NoTx");
constexpr AIErr kNAM2 = AIFourCharCode("NAM2");

json Layer(json art, bool visible = true, bool editable = true) { return LayerOf(std::move(art), visible, editable); }
json Model(json layers) { return ModelOf(std::move(layers)); }

class SaveCommandTest : public PluginDocumentTest {
 protected:
  // The recorded step played by the host itself.
  AIErr PlayRecordedStep() { return host().actions().Play("KESTRUNE_SAVEAS", kDialogOff, nullptr); }
  std::string Updated(const std::string& stem, const std::string& extension = ".ai") {
    return folder_ + "/" + stem + "[CP_updated_Ai28.1.0]" + extension;
  }
};

TEST_F(SaveCommandTest, HostPlayedStepSavesAnEligibleDocument) {
  std::string source = Write("flyer.ai", Model(json::array({Layer(json::array({Frame("Hello"), Frame("World")}))})));
  const std::string sourceBytes = testing_support::ReadFile(source);
  Open(source);
  EXPECT_EQ(PlayRecordedStep(), kNoErr);
  ASSERT_TRUE(std::filesystem::exists(Updated("flyer")));
  auto copy = Read(Updated("flyer"));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->creatorVersion, "28.1.0");
  int frames = 0;
  simhost::ForEachArt(*copy, [&](simhost::Art& art) {
    if (art.type != kTextFrameArt) return;
    ++frames;
    EXPECT_EQ(art.layoutVersion, "28.1.0");
  });
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(testing_support::ReadFile(source), sourceBytes) << "the source is never written";
  auto messages = Dialogs(DialogKind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Save as operation completed");
  EXPECT_EQ(globals().actionMode, 0);
  EXPECT_EQ(globals().suppressAlerts, 0);
  EXPECT_EQ(globals().successCount, 1);
  EXPECT_EQ(host().actions().liveParamValues, 0) << "parameter blocks are given back";
}

TEST_F(SaveCommandTest, HostPlayedStepResultCodes) {
  struct Case {
    const char* name;
    json model;
    AIErr expected;
    const char* alert;  // the entry point's error alert, if any
  };
  const json text = Model(json::array({Layer(json::array({Frame("Hi")}))}));
  const Case cases[] = {
      {"poster.eps", text, kNExt, "Error=4e457874, txEN (caller : Action Manager, selector : Do Action)"},
      {"poster.AI", text, kNoErr, nullptr},
      {"flyer[CP_updated_Ai28.1.0].ai", text, kPrCP,
       "Error=50724350, PCrP (caller : Action Manager, selector : Do Action)"},
      {"fonts.ai", Model(json::array({Layer(json::array({Frame("Hi", "Missing Font")}))})), kMiFn,
       "Error=4d69466e, nFiM (caller : Action Manager, selector : Do Action)"},
      {"both.ai", Model(json::array({Layer(json::array({Frame("Hi", "Missing Font"), json{{"type", "legacyText"}}}))})),
       kMiFn, nullptr},
      {"legacy.ai", Model(json::array({Layer(json::array({Frame("Hi"), json{{"type", "legacyText"}}}))})), kNoTx,
       nullptr},
      {"empty.ai", Model(json::array({Layer(json::array({json{{"type", "path"}}}))})), kNoTx, nullptr},
      {"otherkind.ai", Model(json::array({Layer(json::array({Frame("Hi", "Sans", 5)}))})), kNoTx, nullptr},
      {"blanks.ai", Model(json::array({Layer(json::array({Frame(" \t\u3000", "Missing Font")}))})), kNoErr, nullptr},
  };
  for (const Case& c : cases) {
    host().ui().ClearDialogs();
    Open(Write(c.name, c.model));
    EXPECT_EQ(PlayRecordedStep(), c.expected) << c.name;
    auto errors = Dialogs(DialogKind::Error);
    if (c.alert != nullptr) {
      ASSERT_EQ(errors.size(), 1u) << c.name;
      EXPECT_EQ(errors[0].text, c.alert);
    }
    if (c.expected != kNoErr) {
      EXPECT_TRUE(Dialogs(DialogKind::Message).empty()) << c.name << ": no alert of its own";
    }
    EXPECT_EQ(globals().actionMode, 0);
    EXPECT_EQ(globals().suppressAlerts, 0);
  }
}

TEST_F(SaveCommandTest, HostPlayedStepWithoutASavedDocument) {
  EXPECT_EQ(PlayRecordedStep(), kNoErr) << "no document open";
  EXPECT_TRUE(host().ui().dialogs().empty());
  docs().New();
  EXPECT_EQ(PlayRecordedStep(), kUnDC) << "never saved";
  std::string gone = Write("gone.ai", Model(json::array({Layer(json::array({Frame("Hi")}))})));
  Open(gone);
  std::filesystem::remove(gone);
  EXPECT_EQ(PlayRecordedStep(), kUnDC) << "its file no longer exists";
  EXPECT_EQ(Dialogs(DialogKind::Message).size(), 0u);
}

TEST_F(SaveCommandTest, CanceledAndFailedSaves) {
  Open(Write("flyer.ai", Model(json::array({Layer(json::array({Frame("Hi")}))}))));
  host().faults().Inject("play:adobe_saveDocumentAs", kCanceledErr);
  EXPECT_EQ(PlayRecordedStep(), kCanceledErr);
  EXPECT_TRUE(host().ui().dialogs().empty()) << "a cancel is the user's own doing";
  EXPECT_EQ(globals().canceledCount, 1);
  EXPECT_FALSE(std::filesystem::exists(Updated("flyer"))) << "the name claimed for the copy is given back";

  const AIErr diskFull = AIFourCharCode("DSK!");
  host().faults().Inject("play:adobe_saveDocumentAs", diskFull);
  EXPECT_EQ(PlayRecordedStep(), diskFull);
  EXPECT_EQ(globals().saveErrorCount, 1);
  EXPECT_FALSE(std::filesystem::exists(Updated("flyer")));

  // A copy whose free name the file system cannot make is a failed save, not a search
  // through the other counters; the host is not asked to save.
  host().faults().Clear();
  Open(Write(std::string(240, 'n') + ".ai", Model(json::array({Layer(json::array({Frame("Hi")}))}))));
  const size_t saves = docs().savedFiles().size();
  EXPECT_EQ(PlayRecordedStep(), AIFourCharCode("NoCp"));
  EXPECT_EQ(globals().saveErrorCount, 2);
  EXPECT_EQ(docs().savedFiles().size(), saves);
}

TEST_F(SaveCommandTest, NamesTheSecondCopyWithACounter) {
  std::string source = Write("flyer.ai", Model(json::array({Layer(json::array({Frame("Hi")}))})));
  Open(source);
  EXPECT_EQ(PlayRecordedStep(), kNoErr);
  docs().Close(docs().current());
  Open(source);
  EXPECT_EQ(PlayRecordedStep(), kNoErr);
  EXPECT_TRUE(std::filesystem::exists(folder_ + "/flyer[CP_updated_Ai28.1.0](1).ai"));
}

TEST_F(SaveCommandTest, NoFreeNameLeavesTheTextUntouched) {
  std::string source = Write("flyer.ai", Model(json::array({Layer(json::array({Frame("Hi")}))})));
  testing_support::WriteFile(Updated("flyer"), "x");
  for (int n = 1; n <= 99; ++n)
    testing_support::WriteFile(folder_ + "/flyer[CP_updated_Ai28.1.0](" + std::to_string(n) + ").ai", "x");
  simhost::Document* document = Open(source);
  EXPECT_EQ(PlayRecordedStep(), kNAM2);
  EXPECT_EQ(globals().saveErrorCount, 1);
  simhost::ForEachArt(*document, [](simhost::Art& art) {
    if (art.type == kTextFrameArt) {
      EXPECT_EQ(art.layoutVersion, "24.0.0");
    }
  });
}

TEST_F(SaveCommandTest, RestoresLayersAndObjectsAroundTheNewLayout) {
  json lockedGroupInHiddenGroup = {
      {"type", "group"},
      {"hidden", true},
      {"position", {5, 5}},
      {"children", json::array({json{{"type", "group"}, {"locked", true}, {"children", json::array({Frame("A")})}}})}};
  json lockedFrame = Frame("B");
  lockedFrame["locked"] = true;
  lockedFrame["position"] = {10, 20};
  json hiddenFrame = Frame("C");
  hiddenFrame["hidden"] = true;
  json otherKind = Frame("D", "Sans", 7);
  otherKind["selected"] = true;
  json path = {{"type", "path"}, {"selected", true}, {"position", {3, 4}}};
  json model = Model(json::array({Layer(json::array({lockedGroupInHiddenGroup, lockedFrame})),
                                  Layer(json::array({hiddenFrame, otherKind, path}), false, false)}));
  std::string source = Write("layers.ai", model);
  simhost::Document* document = Open(source);
  EXPECT_EQ(PlayRecordedStep(), kNoErr);

  // The open document is back as it was, but for the selection.
  json after = simhost::ModelOf(*document);
  EXPECT_EQ(after["layers"][1]["visible"], false);
  EXPECT_EQ(after["layers"][1]["editable"], false);
  const json& first = after["layers"][0]["art"];
  EXPECT_EQ(first[0]["hidden"], true);
  EXPECT_EQ(first[0]["locked"], false);
  EXPECT_EQ(first[0]["children"][0]["locked"], true);
  EXPECT_EQ(first[0]["position"], json({5, 5}));
  EXPECT_EQ(first[1]["locked"], true);
  EXPECT_EQ(first[1]["position"], json({10, 20}));
  EXPECT_EQ(first[1]["selected"], true);
  const json& second = after["layers"][1]["art"];
  EXPECT_EQ(second[0]["hidden"], true);
  EXPECT_EQ(second[0]["selected"], true);
  EXPECT_EQ(second[1]["selected"], false) << "another kind of frame is deselected";
  EXPECT_EQ(second[2]["selected"], false);
  EXPECT_EQ(second[2]["position"], json({3, 4}));

  // Every frame of the kinds laid out was composed by this host, on any layer.
  auto copy = Read(Updated("layers"));
  ASSERT_TRUE(copy);
  std::vector<std::string> versions;
  simhost::ForEachArt(*copy, [&](simhost::Art& art) {
    if (art.type == kTextFrameArt) versions.push_back(art.layoutVersion);
  });
  EXPECT_EQ(versions, (std::vector<std::string>{"28.1.0", "28.1.0", "28.1.0", "24.0.0"}));
}

TEST_F(SaveCommandTest, AFailingTextEngineGivesOneOutcome) {
  Open(Write("flyer.ai", Model(json::array({Layer(json::array({Frame("Hello")}))}))));
  host().faults().Inject("TextRangeSuite.GetSize", kBadParameterErr);
  AIErr result = PlayRecordedStep();
  EXPECT_NE(result, kNoErr);
  EXPECT_EQ(globals().saveErrorCount, 1);
  EXPECT_EQ(globals().successCount, 0);
  EXPECT_EQ(globals().actionMode, 0);
  EXPECT_EQ(globals().suppressAlerts, 0);
  EXPECT_FALSE(std::filesystem::exists(Updated("flyer")));
  EXPECT_EQ(docs().text().liveReferences(docs().fonts()), 0) << "text-engine objects are released";
}

TEST_F(SaveCommandTest, SavesACloudDocumentToTheCloud) {
  std::filesystem::create_directories(docs().cloudFolder);
  std::string problem;
  auto document = simhost::DocumentFromModel(Model(json::array({Layer(json::array({Frame("Hi")}))})), docs().fonts(),
                                             "24.0.0", &problem);
  ASSERT_TRUE(document);
  ASSERT_EQ(simhost::WriteDocumentFile(docs().cloudFolder + "/brochure.aic", *document), kNoErr);
  ASSERT_EQ(docs().OpenCloud("brochure.aic"), kNoErr);
  EXPECT_EQ(PlayRecordedStep(), kNoErr);
  EXPECT_TRUE(std::filesystem::exists(docs().cloudFolder + "/brochure[CP_updated_Ai28.1.0].aic"));
}

}  // namespace
