// The art tree through the Layer and Art suites, and the host's rules for
// selecting and moving objects.
#include <limits>

#include "AIArt.h"
#include "AILayer.h"
#include "DocumentFixture.h"

namespace documents_test {
namespace {

using simhost::Art;
using simhost::Document;
using simhost::HandleOf;

class ArtRulesTest : public DocumentTest {
 protected:
  const AIArtSuite* art = AcquireSuite<AIArtSuite>(host(), kAIArtSuite, kAIArtSuiteVersion);
  const AILayerSuite* layers = AcquireSuite<AILayerSuite>(host(), kAILayerSuite, kAILayerSuiteVersion);

  ai::int32 Attr(Art* object, ai::int32 mask) {
    ai::int32 bits = -1;
    EXPECT_EQ(art->GetArtUserAttr(HandleOf(object), mask, &bits), kNoErr);
    return bits;
  }
  ASErr Move(AIReal dx) {
    Block block;
    block.UnitReal("hozn", unitPoints, dx).UnitReal("vtcl", unitPoints, 0.0).Boolean("vtcl", false);
    return host().actions().Play("adobe_move", kDialogOff, &block.value);
  }
};

TEST_F(ArtRulesTest, WalksLayersRootGroupsChildrenAndSiblingsInOrder) {
  Add(json{{"layers",
            {{{"name", "Top"}, {"art", {TextFrame("a"), {{"type", "group"}, {"children", {{{"type", "path"}}}}}}}},
             {{"name", "Bottom"}}}}});
  ai::int32 count = 0;
  ASSERT_EQ(layers->CountLayers(&count), kNoErr);
  EXPECT_EQ(count, 2);
  AILayerHandle top = nullptr, missing = reinterpret_cast<AILayerHandle>(1);
  ASSERT_EQ(layers->GetNthLayer(0, &top), kNoErr);
  EXPECT_EQ(layers->GetNthLayer(2, &missing), kBadParameterErr);
  EXPECT_EQ(missing, nullptr);

  AIArtHandle root = nullptr, first = nullptr, second = nullptr, end = nullptr, leaf = nullptr, none = nullptr;
  ASSERT_EQ(art->GetFirstArtOfLayer(top, &root), kNoErr);
  short type = 0;
  art->GetArtType(root, &type);
  EXPECT_EQ(type, kGroupArt);
  art->GetArtFirstChild(root, &first);
  art->GetArtType(first, &type);
  EXPECT_EQ(type, kTextFrameArt);
  art->GetArtSibling(first, &second);
  art->GetArtType(second, &type);
  EXPECT_EQ(type, kGroupArt);
  art->GetArtSibling(second, &end);
  EXPECT_EQ(end, nullptr);
  art->GetArtFirstChild(second, &leaf);
  art->GetArtType(leaf, &type);
  EXPECT_EQ(type, kPathArt);
  EXPECT_EQ(art->GetArtFirstChild(leaf, &none), kNoErr);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(art->GetArtSibling(root, &none), kNoErr);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ArtRulesTest, HandlesThatAreNotLiveArtAreRefused) {
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("a")}}}}}});
  Art* frame = ArtAt(document, 0, {0});
  int notArt = 0;
  short type = 99;
  EXPECT_EQ(art->GetArtType(reinterpret_cast<AIArtHandle>(&notArt), &type), kBadParameterErr);
  EXPECT_EQ(type, kUnknownArt);
  ASSERT_EQ(docs().Close(document), kNoErr);
  EXPECT_EQ(art->GetArtType(HandleOf(frame), &type), kBadParameterErr);
  EXPECT_EQ(art->SetArtUserAttr(HandleOf(frame), kArtSelected, kArtSelected), kBadParameterErr);
  ai::int32 count = 7;
  EXPECT_EQ(layers->CountLayers(&count), kNoDocumentErr);
  EXPECT_EQ(count, 0);
}

TEST_F(ArtRulesTest, ObjectsTheRulesKeepOutCannotBeSelectedAndNothingChanges) {
  json locked = TextFrame("a"), hidden = TextFrame("b");
  locked["locked"] = true;
  hidden["hidden"] = true;
  json lockedGroup = {{"type", "group"}, {"locked", true}, {"children", {TextFrame("c")}}};
  json hiddenGroup = {{"type", "group"}, {"hidden", true}, {"children", {TextFrame("d")}}};
  Document* document =
      Add(json{{"layers",
                {{{"name", "open"}, {"art", {locked, hidden, lockedGroup, hiddenGroup, TextFrame("free")}}},
                 {{"name", "locked layer"}, {"editable", false}, {"art", {TextFrame("e")}}},
                 {{"name", "hidden layer"}, {"visible", false}, {"art", {TextFrame("f")}}}}}});
  struct Case {
    const char* what;
    Art* object;
  } refused[] = {{"locked object", ArtAt(document, 0, {0})},        {"hidden object", ArtAt(document, 0, {1})},
                 {"in a locked group", ArtAt(document, 0, {2, 0})}, {"in a hidden group", ArtAt(document, 0, {3, 0})},
                 {"on a locked layer", ArtAt(document, 1, {0})},    {"on a hidden layer", ArtAt(document, 2, {0})}};
  for (const Case& c : refused) {
    ai::int32 before = Attr(c.object, kArtSelected | kArtLocked | kArtHidden);
    EXPECT_EQ(art->SetArtUserAttr(HandleOf(c.object), kArtSelected, kArtSelected), simhost::kArtNotSelectableErr)
        << c.what;
    // Selecting while trying to keep the bits as they are is refused too, whole.
    EXPECT_EQ(art->SetArtUserAttr(HandleOf(c.object), kArtSelected | kArtLocked, kArtSelected | kArtLocked),
              simhost::kArtNotSelectableErr)
        << c.what;
    EXPECT_EQ(Attr(c.object, kArtSelected | kArtLocked | kArtHidden), before) << c.what;
  }
  EXPECT_FALSE(document->modified);
  EXPECT_EQ(art->SetArtUserAttr(HandleOf(ArtAt(document, 0, {4})), kArtSelected, kArtSelected), kNoErr);
  // Unlocking and selecting in one call is allowed; locking and selecting is not.
  EXPECT_EQ(art->SetArtUserAttr(HandleOf(ArtAt(document, 0, {0})), kArtSelected | kArtLocked, kArtSelected), kNoErr);
  EXPECT_EQ(Attr(ArtAt(document, 0, {0}), kArtSelected | kArtLocked), kArtSelected);
  EXPECT_TRUE(document->modified);
}

TEST_F(ArtRulesTest, AttributeBitsArePerObjectAndReadUnderTheirMask) {
  json group = {{"type", "group"}, {"children", {TextFrame("a"), TextFrame("b")}}};
  Document* document = Add(json{{"layers", {{{"art", {group}}}}}});
  Art* g = ArtAt(document, 0, {0});
  Art* a = ArtAt(document, 0, {0, 0});
  Art* b = ArtAt(document, 0, {0, 1});
  ASSERT_EQ(art->SetArtUserAttr(HandleOf(a), kArtSelected, kArtSelected), kNoErr);
  ASSERT_EQ(art->SetArtUserAttr(HandleOf(g), kArtSelected, kArtSelected), kNoErr);
  EXPECT_EQ(Attr(g, kArtSelected | kArtFullySelected), kArtSelected) << "b is not selected";
  ASSERT_EQ(art->SetArtUserAttr(HandleOf(b), kArtSelected, kArtSelected), kNoErr);
  EXPECT_EQ(Attr(g, kArtFullySelected), kArtFullySelected);
  ASSERT_EQ(art->SetArtUserAttr(HandleOf(g), kArtSelected, 0), kNoErr);
  EXPECT_EQ(Attr(a, kArtSelected), kArtSelected) << "deselecting a group leaves its children";
  ASSERT_EQ(art->SetArtUserAttr(HandleOf(a), kArtLocked | kArtHidden, kArtLocked | kArtHidden), kNoErr);
  EXPECT_EQ(Attr(a, 6), 6);
  EXPECT_EQ(Attr(a, kArtLocked), kArtLocked);
  EXPECT_EQ(Attr(a, kArtSelected), kArtSelected) << "locking keeps the selection bit";
  EXPECT_EQ(art->SetArtUserAttr(HandleOf(a), kArtSelected, 0), kNoErr) << "deselecting is always allowed";
  EXPECT_EQ(art->SetArtUserAttr(HandleOf(a), kArtFullySelected, kArtFullySelected), kBadParameterErr);
}

TEST_F(ArtRulesTest, LayerFlagsReadAndWriteAndMarkTheDocumentModified) {
  Document* document = Add(json{{"layers", {{{"visible", false}, {"editable", true}}}}});
  AILayerHandle layer = nullptr;
  ASSERT_EQ(layers->GetNthLayer(0, &layer), kNoErr);
  AIBoolean visible = true, editable = false;
  layers->GetLayerVisible(layer, &visible);
  layers->GetLayerEditable(layer, &editable);
  EXPECT_FALSE(visible);
  EXPECT_TRUE(editable);
  layers->SetLayerEditable(layer, true);
  EXPECT_FALSE(document->modified) << "setting a flag to what it is changes nothing";
  layers->SetLayerVisible(layer, true);
  layers->GetLayerVisible(layer, &visible);
  EXPECT_TRUE(visible);
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(layers->SetLayerVisible(reinterpret_cast<AILayerHandle>(document), true), kBadParameterErr);
}

TEST_F(ArtRulesTest, MoveShiftsSelectedAccessibleObjectsAndComposesMovedText) {
  json lockedFrame = TextFrame("locked");
  lockedFrame["locked"] = true;
  lockedFrame["selected"] = true;  // a file may hold it so; the rules still keep it still
  json group = {{"type", "group"},
                {"selected", true},
                {"position", {10, 10}},
                {"children", {TextFrame("inside"), {{"type", "path"}, {"locked", true}}}}};
  json model = {{"creatorVersion", "24.0.0"},
                {"layers",
                 {{{"art", {TextFrame("moves"), TextFrame("stays"), lockedFrame, group}}},
                  {{"visible", false}, {"art", {{{"type", "textFrame"}, {"selected", true}}}}}}}};
  Document* document = Add(model);
  Art* moves = ArtAt(document, 0, {0});
  moves->selected = true;
  moves->position = AIRealPoint{72, 72};

  ASSERT_EQ(Move(1.0), kNoErr);
  EXPECT_EQ(moves->position.h, 73);
  EXPECT_EQ(moves->position.v, 72) << "the boolean vtcl moves nothing vertically";
  EXPECT_EQ(moves->layoutVersion, "28.1.0");
  EXPECT_EQ(ArtAt(document, 0, {1})->layoutVersion, "24.0.0") << "not selected";
  EXPECT_EQ(ArtAt(document, 0, {2})->position.h, 0) << "locked";
  EXPECT_EQ(ArtAt(document, 0, {2})->layoutVersion, "24.0.0");
  EXPECT_EQ(ArtAt(document, 0, {3})->position.h, 11);
  EXPECT_EQ(ArtAt(document, 0, {3, 0})->position.h, 1) << "carried by its group";
  EXPECT_EQ(ArtAt(document, 0, {3, 0})->layoutVersion, "28.1.0");
  EXPECT_EQ(ArtAt(document, 0, {3, 1})->position.h, 0) << "locked inside the group";
  EXPECT_EQ(ArtAt(document, 1, {0})->position.h, 0) << "on a hidden layer";
  EXPECT_EQ(ArtAt(document, 1, {0})->layoutVersion, "24.0.0");
  EXPECT_TRUE(document->modified);

  ASSERT_EQ(Move(-1.0), kNoErr);
  EXPECT_EQ(moves->position.h, 72);
  EXPECT_EQ(ArtAt(document, 0, {3})->position.h, 10);
}

TEST_F(ArtRulesTest, MoveReadsItsDistancesAsTheHostDoes) {
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("a")}}}}}});
  Art* frame = ArtAt(document, 0, {0});
  frame->selected = true;
  Block points, plain, otherUnit, nothing, notFinite;
  points.UnitReal("hozn", unitPoints, 2.5).UnitReal("vtcl", unitPoints, -1.5);
  plain.Real("hozn", 2.5);
  otherUnit.UnitReal("hozn", static_cast<ActionParamUnitID>(AIFourCharCode("#Prc")), 1.0);
  notFinite.UnitReal("hozn", unitPoints, std::numeric_limits<double>::infinity());
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &plain.value), kBadParameterErr)
      << "the host takes unit reals only";
  EXPECT_EQ(frame->position.h, 0);
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &points.value), kNoErr);
  EXPECT_EQ(frame->position.h, 2.5);
  EXPECT_EQ(frame->position.v, -1.5);
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &otherUnit.value), kBadParameterErr);
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &notFinite.value), kBadParameterErr);
  document->modified = false;
  frame->layoutVersion = "1.0.0";
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &nothing.value), kNoErr);
  EXPECT_EQ(frame->position.h, 2.5);
  EXPECT_EQ(frame->layoutVersion, "1.0.0") << "a move by nothing composes nothing";
  EXPECT_FALSE(document->modified);
  ASSERT_EQ(docs().Close(document), kNoErr);
  EXPECT_EQ(host().actions().Play("adobe_move", kDialogOff, &points.value), kNoDocumentErr);
}

}  // namespace
}  // namespace documents_test
