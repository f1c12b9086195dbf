// The art-tree walkers on documents of the simulated host, called directly.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "DirectPlugin.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "actionManagerHandler/textWalkers.h"
#include "common/Heap.h"

using nlohmann::json;

namespace {

json Frame(const std::string& text, const std::string& font = "Sans", int kind = 0) {
  return json{{"type", "textFrame"}, {"kind", kind}, {"runs", json::array({{{"text", text}, {"font", font}}})}};
}

class TextWalkersTest : public testing::Test {
 protected:
  simhost::Document* Load(json art, int layers = 1) {
    json model = {{"layers", json::array()}};
    for (int i = 0; i < layers; ++i) model["layers"].push_back({{"name", "L"}, {"art", i == 0 ? art : json::array()}});
    std::string problem;
    auto document = simhost::DocumentFromModel(model, docs().fonts(), "24.0.0", &problem);
    EXPECT_TRUE(document) << problem;
    return docs().Add(std::move(document));
  }
  simhost::Documents& docs() { return plugin_.host().documents(); }
  AIArtHandle Root(simhost::Document* document, size_t layer = 0) {
    return simhost::HandleOf(document->layers[layer]->root.get());
  }

  testing_support::DirectPlugin plugin_;
};

TEST_F(TextWalkersTest, MissingFontsAreListedOnceAndAtMostTwenty) {
  json art = json::array();
  for (int i = 0; i < 25; ++i) art.push_back(Frame("ab", "Gone " + std::to_string(i)));
  art.push_back(Frame("cd", "Gone 0"));
  art.push_back(Frame(" \t\n\u3000", "Gone blank"));  // only blanks: counted, no font
  art.push_back(Frame("", "Gone empty"));
  art.push_back(Frame("xyz", "Gone other kind", 3));  // neither examined nor counted
  art.push_back(
      {{"type", "group"},
       {"children", json::array({json{{"type", "group"}, {"children", json::array({Frame("n", "Gone nested")})}}})}});
  art.push_back({{"type", "legacyText"}});
  for (int i = 0; i < 25; ++i) docs().fonts().SetInstalled("Gone " + std::to_string(i), false);
  for (const char* name : {"Gone blank", "Gone empty", "Gone other kind", "Gone nested"})
    docs().fonts().SetInstalled(name, false);
  simhost::Document* document = Load(art);

  AIFontKey* fonts = nullptr;
  ai::int32 fontCount = 0, frames = 0;
  FontCheckProcess(Root(document), &fonts, &fontCount, &frames);
  EXPECT_EQ(fontCount, kMaxMissingFonts);
  EXPECT_EQ(frames, 25 + 1 + 2 + 1) << "every frame of kind 0-2 is counted, whatever its text";
  for (ai::int32 i = 0; i < fontCount; ++i)
    for (ai::int32 j = i + 1; j < fontCount; ++j) EXPECT_NE(fonts[i], fonts[j]);
  HeapFree(fonts);

  ai::int32 legacy = 0;
  LegacyTextCheckProcess(Root(document), &legacy);
  EXPECT_EQ(legacy, 1);
}

TEST_F(TextWalkersTest, ANestedMissingFontIsFound) {
  docs().fonts().SetInstalled("Deep", false);
  simhost::Document* document =
      Load({{{"type", "group"},
             {"children", json::array({json{{"type", "group"}, {"children", json::array({Frame("x", "Deep")})}}})}}});
  AIFontKey* fonts = nullptr;
  ai::int32 fontCount = 0, frames = 0;
  FontCheckProcess(Root(document), &fonts, &fontCount, &frames);
  EXPECT_EQ(fontCount, 1);
  EXPECT_EQ(frames, 1);
  HeapFree(fonts);
}

TEST_F(TextWalkersTest, SelectionRecordsWhatItUnlocks) {
  // A hidden group holding a locked frame: two records, the group's first.
  simhost::Document* document =
      Load(json::array({json{{"type", "group"}, {"hidden", true}, {"children", json::array({[] {
                                                                     json f = Frame("a");
                                                                     f["locked"] = true;
                                                                     return f;
                                                                   }()})}},
                        json{{"type", "path"}, {"selected", true}}, Frame("b", "Sans", 9)}));
  CP_OBJECT_STATUS* records = nullptr;
  ai::int32 count = 0, position = 0;
  SelectTextProcess(Root(document), &records, &count, &position);
  EXPECT_EQ(position, 5) << "the root, the group, its frame, the path, the other frame";
  ASSERT_EQ(count, 2);
  EXPECT_EQ(records[0].attr, kArtHidden);
  EXPECT_EQ(records[0].index, 1);
  EXPECT_EQ(records[1].attr, kArtLocked);
  EXPECT_EQ(records[1].index, 2);
  simhost::Art* root = document->layers[0]->root.get();
  EXPECT_TRUE(root->children[0]->children[0]->selected);
  EXPECT_FALSE(root->children[0]->selected) << "a group is deselected after its children";
  EXPECT_FALSE(root->children[1]->selected);
  EXPECT_FALSE(root->children[2]->selected) << "a frame of another kind is deselected";

  // The correction walk finds the same objects by their places; a place that no
  // longer exists leaves its record as it was.
  AIArtHandle stale = reinterpret_cast<AIArtHandle>(0x1);
  records[1].art = stale;
  records[1].index = 99;
  records[0].art = nullptr;
  position = 0;
  CorrectObjectProcess(Root(document), records, count, &position);
  EXPECT_EQ(records[0].art, simhost::HandleOf(root->children[0].get()));
  EXPECT_EQ(records[1].art, stale);
  HeapFree(records);
}

TEST_F(TextWalkersTest, EmptyLayersTakeOnePlaceEach) {
  simhost::Document* document = Load(json::array(), 3);
  ai::int32 position = 0, count = 0;
  CP_OBJECT_STATUS* records = nullptr;
  for (size_t i = 0; i < 3; ++i) SelectTextProcess(Root(document, i), &records, &count, &position);
  EXPECT_EQ(position, 3);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(records, nullptr);
}

void* RefuseToGrow(void*, size_t) { return nullptr; }

TEST_F(TextWalkersTest, WithoutMemoryTheWalkEndsWithTheObjectUntouched) {
  json locked = Frame("a");
  locked["locked"] = true;
  simhost::Document* document = Load(json::array({locked}));
  HeapResizer previous = SetHeapResizerForTesting(RefuseToGrow);
  CP_OBJECT_STATUS* records = nullptr;
  ai::int32 count = 0, position = 0;
  EXPECT_THROW(SelectTextProcess(Root(document), &records, &count, &position), ai::Error);
  SetHeapResizerForTesting(previous);
  EXPECT_EQ(records, nullptr);
  EXPECT_EQ(count, 0);
  simhost::Art* frame = document->layers[0]->root->children[0].get();
  EXPECT_TRUE(frame->locked) << "not unlocked, since it could not be locked again";
  EXPECT_FALSE(frame->selected);

  // A missing font that cannot be listed must not pass as installed.
  docs().fonts().SetInstalled("Gone", false);
  simhost::Document* other = Load(json::array({Frame("x", "Gone")}));
  SetHeapResizerForTesting(RefuseToGrow);
  AIFontKey* fonts = nullptr;
  ai::int32 fontCount = 0, frames = 0;
  try {
    FontCheckProcess(Root(other), &fonts, &fontCount, &frames);
    ADD_FAILURE() << "the check cannot end as if the font were installed";
  } catch (const ai::Error& error) {
    EXPECT_EQ(static_cast<AIErr>(error), kOutOfMemoryErr);
  }
  SetHeapResizerForTesting(previous);
  EXPECT_EQ(fonts, nullptr);
  EXPECT_EQ(fontCount, 0);
}

// A query the host cannot answer ends the walk with its status, instead of passing
// the object off as having no type, children or bits.
TEST_F(TextWalkersTest, AFailingQueryEndsTheWalkWithTheHostsStatus) {
  constexpr AIErr kHostFailure = AIFourCharCode("Hst!");
  const char* points[] = {"AIArtSuite.GetArtType",     "AIArtSuite.GetArtFirstChild", "AIArtSuite.GetArtSibling",
                          "AIArtSuite.GetArtUserAttr", "AIArtSuite.SetArtUserAttr",   "AITextFrameSuite.GetType"};
  for (const char* point : points) {
    simhost::Document* document = Load(json::array({Frame("a"), Frame("b")}));
    plugin_.host().faults().Inject(point, kHostFailure);
    CP_OBJECT_STATUS* records = nullptr;
    ai::int32 count = 0, position = 0;
    try {
      SelectTextProcess(Root(document), &records, &count, &position);
      ADD_FAILURE() << point;
    } catch (const ai::Error& error) {
      EXPECT_EQ(static_cast<AIErr>(error), kHostFailure) << point;
    }
    plugin_.host().faults().Clear();
    HeapFree(records);
  }
}

}  // namespace
