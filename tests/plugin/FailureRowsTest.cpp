// Every host call the save command makes while it walks the document and lays its
// text out anew, failed in turn: the file is never saved as updated, it gets one
// outcome, and what the pass changed before the failure is set back.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "BulkRunTest.h"
#include "documents/ArtTree.h"
#include "documents/Documents.h"
#include "shellMain/PluginGlobals.h"

using nlohmann::json;
using namespace testing_support;

namespace {

// Locked, hidden and grouped text on a visible layer and on a hidden, locked one:
// every walker and every step of the pass has work to do.
json LayeredModel() {
  json locked = Frame("locked");
  locked["locked"] = true;
  json hidden = Frame("hidden");
  hidden["hidden"] = true;
  json group = json{{"type", "group"}, {"locked", true}, {"children", json::array({Frame("grouped"), hidden})}};
  return ModelOf(json::array(
      {LayerOf(json::array({Frame("plain"), locked, group})), LayerOf(json::array({Frame("below")}), false, false)}));
}

// The flags the pass may change and must set back; selection is its own business.
std::vector<int> Flags(const simhost::Document& document) {
  std::vector<int> flags;
  for (const auto& layer : document.layers) {
    flags.push_back(layer->visible);
    flags.push_back(layer->editable);
  }
  simhost::ForEachArt(document, [&](simhost::Art& art) {
    flags.push_back(art.locked);
    flags.push_back(art.hidden);
  });
  return flags;
}

enum class Which { kFirst, kLast };

struct Row {
  const char* point;
  Which which;
  bool saved;  // a failure the command does not examine: the copy is saved all the same
};

const Row kRows[] = {
    // Walking for legacy text and missing fonts.
    {"AILayerSuite.CountLayers", Which::kFirst, false},
    {"AILayerSuite.GetNthLayer", Which::kFirst, false},
    {"AIArtSuite.GetFirstArtOfLayer", Which::kFirst, false},
    {"AIArtSuite.GetArtType", Which::kFirst, false},
    {"AIArtSuite.GetArtFirstChild", Which::kFirst, false},
    {"AIArtSuite.GetArtSibling", Which::kFirst, false},
    {"AITextFrameSuite.GetType", Which::kFirst, false},
    {"AITextFrameSuite.GetATETextRange", Which::kFirst, false},
    {"TextRangeSuite.GetStart", Which::kFirst, false},
    {"TextRangeSuite.GetSize", Which::kFirst, false},
    {"TextRangeSuite.SetRange", Which::kFirst, false},
    {"TextRangeSuite.GetContents_AsUnicode", Which::kFirst, false},
    {"TextRangeSuite.GetUniqueLocalCharFeatures", Which::kFirst, false},
    {"TextRangeSuite.GetUniqueCharFeatures", Which::kFirst, false},
    {"CharFeaturesSuite.GetFont", Which::kFirst, false},
    {"AIFontSuite.FontKeyFromFont", Which::kFirst, false},
    {"AIFontSuite.GetFontInfo", Which::kFirst, false},
    // Preparing the layers and objects.
    {"AILayerSuite.GetLayerVisible", Which::kFirst, false},
    {"AILayerSuite.GetLayerEditable", Which::kFirst, false},
    {"AILayerSuite.SetLayerVisible", Which::kFirst, false},
    {"AILayerSuite.SetLayerEditable", Which::kFirst, false},
    {"AIArtSuite.GetArtUserAttr", Which::kFirst, false},
    {"AIArtSuite.SetArtUserAttr", Which::kFirst, false},
    // The moves.
    {"play:adobe_move", Which::kFirst, false},
    {"play:adobe_move", Which::kLast, false},
    // Finding the objects again and setting them and the layers back.
    {"AILayerSuite.GetNthLayer", Which::kLast, false},
    {"AIArtSuite.GetFirstArtOfLayer", Which::kLast, false},
    {"AIArtSuite.GetArtType", Which::kLast, false},
    {"AIArtSuite.GetArtFirstChild", Which::kLast, false},
    {"AIArtSuite.GetArtSibling", Which::kLast, false},
    {"AIArtSuite.SetArtUserAttr", Which::kLast, false},
    {"AILayerSuite.SetLayerEditable", Which::kLast, false},
    {"AILayerSuite.SetLayerVisible", Which::kLast, false},
    // Calls whose answer the pass does not need.
    {"AIDocumentSuite.SyncDocument", Which::kFirst, true},
    {"AIDocumentSuite.RedrawDocument", Which::kFirst, true},
    {"AIDocumentSuite.RedrawDocument", Which::kLast, true},
};

class FailureRowsTest : public BulkRunTest {
 protected:
  // Plays the recorded step on a fresh copy of the document; the calls made of point.
  int CleanRunCalls(const std::string& source, const std::string& point) {
    Open(source);
    const int before = host().faults().Calls(point);
    EXPECT_EQ(PlayRecordedStep(), kNoErr);
    const int calls = host().faults().Calls(point) - before;
    docs().Close(docs().current());
    std::filesystem::remove(Updated("layers"));
    return calls;
  }
};

TEST_F(FailureRowsTest, EveryHostCallOfTheWalksAndThePassCanFail) {
  constexpr AIErr kHostFailure = AIFourCharCode("Hst!");
  const std::string source = Write("layers.ai", LayeredModel());
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.point) + (row.which == Which::kFirst ? " first" : " last"));
    const int calls = CleanRunCalls(source, row.point);
    ASSERT_GE(calls, row.which == Which::kFirst ? 1 : 2) << "the row must name a call the command makes";
    simhost::Document* document = Open(source);
    ASSERT_NE(document, nullptr);
    const std::vector<int> flags = Flags(*document);
    const PluginGlobals before = globals();
    host().ui().ClearDialogs();
    host().faults().Inject(row.point, kHostFailure, row.which == Which::kFirst ? 1 : calls);
    const AIErr result = PlayRecordedStep();
    EXPECT_FALSE(host().faults().Pending(row.point)) << "the failure was injected";
    host().faults().Clear();
    EXPECT_EQ(std::filesystem::exists(Updated("layers")), row.saved);
    EXPECT_EQ(globals().successCount - before.successCount, row.saved ? 1 : 0);
    EXPECT_EQ(globals().saveErrorCount - before.saveErrorCount, row.saved ? 0 : 1) << "one outcome, a failed save";
    EXPECT_EQ(result == kNoErr, row.saved) << "the failure reaches the host that played the step";
    EXPECT_EQ(globals().actionMode, kActionModeNone);
    EXPECT_EQ(docs().text().liveReferences(docs().fonts()), 0) << "text-engine objects are released";
    // A failure before anything is set back leaves nothing changed behind it.
    if (row.which == Which::kFirst) {
      EXPECT_EQ(Flags(*document), flags);
    }
    docs().Close(docs().current());
    std::filesystem::remove(Updated("layers"));
  }
}

}  // namespace
