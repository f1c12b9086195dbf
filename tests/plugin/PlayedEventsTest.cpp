// The events the plug-in asks the host to play and record: their dialog status and
// the exact shape of their parameter blocks, and the view of a bulk file, parked
// while its text is laid out and set back before it is saved.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "AIActionManager.h"
#include "BulkRunTest.h"
#include "PlatformExpectations.h"
#include "documents/ArtTree.h"
#include "shellMain/PluginGlobals.h"
#include "suites/Actions.h"
#include "suites/Actions.h"

using nlohmann::json;
using namespace testing_support;

namespace {

std::string FourChars(ai::uint32 code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) text.push_back(static_cast<char>((code >> shift) & 0xFF));
  return text;
}

std::string Real(AIReal value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%g", value);
  return text;
}

// One entry of a block as "key type=value", the unit after a unit real's value.
std::string Shape(const ActionParamValue::Entry& e) {
  std::string value;
  if (e.type == actionTypeInteger) value = std::to_string(e.integer);
  if (e.type == actionTypeReal) value = Real(e.real);
  if (e.type == actionTypeUnitReal) value = Real(e.real) + " " + FourChars(e.unit);
  if (e.type == actionTypeBoolean) value = e.boolean ? "true" : "false";
  if (e.type == actionTypeString || e.type == simhost::kUnicodeStringParamType) value = e.text;
  return FourChars(e.key) + " " + FourChars(e.type) + "=" + value;
}

struct Play {
  std::string name;
  ActionDialogStatus dialogStatus;
  std::vector<std::string> block;
};

std::vector<Play> Plays(const std::vector<simhost::PlayedEvent>& played, size_t from = 0) {
  std::vector<Play> plays;
  for (size_t i = from; i < played.size(); ++i) {
    std::vector<std::string> block;
    for (const auto& entry : played[i].params) block.push_back(Shape(entry));
    plays.push_back(Play{played[i].name, played[i].dialogStatus, block});
  }
  return plays;
}

std::vector<std::string> MoveBlock(const char* horizontal) {
  return {std::string("hozn utrl=") + horizontal + " #Pxl", "vtcl utrl=0 #Pxl", "vtcl bool=false"};
}

std::vector<std::string> SaveBlock(const std::string& target) {
  return {"name ustr=" + target, "cmpr bool=true",
          "pdf  bool=true",      "crtr long=24",
          "ext. long=1",         "incl long=0",
          "rato real=100",       "prfl long=1",
          "smab bool=false",     "frmt strn=Adobe Illustrator Any Format Writer",
          "extn strn=ai"};
}

void ExpectPlays(const std::vector<Play>& actual, const std::vector<Play>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(actual[i].name, expected[i].name);
    EXPECT_EQ(actual[i].dialogStatus, expected[i].dialogStatus);
    EXPECT_EQ(actual[i].block, expected[i].block);
  }
}

class PlayedEventsTest : public BulkRunTest {};

TEST_F(PlayedEventsTest, EveryEventIsPlayedWithDialogsOffAndItsExactBlock) {
  // From the menu: the command, then the two moves and the save, nested inside it.
  const std::string source = Write("flyer.ai", SimpleModel(json::array({Frame("Hi")})));
  Open(source);
  host().menus().Choose(Item("KESTRUNE_SAVEAS"));
  ExpectPlays(Plays(host().actions().played), {{"KESTRUNE_INSIDECMD", kDialogOff, {}},
                                               {"adobe_move", kDialogOff, MoveBlock("1")},
                                               {"adobe_move", kDialogOff, MoveBlock("-1")},
                                               {"adobe_saveDocumentAs", kDialogOff, SaveBlock(Updated("flyer"))}});
  docs().Close(docs().current());
  std::remove(Updated("flyer").c_str());

  // A bulk file: the opening at one tick, the command at the next.
  const size_t before = host().actions().played.size();
  ChooseBulk();
  RunToSummary();
  ExpectPlays(Plays(host().actions().played, before),
              {{"adobe_openDocument", kDialogOff, {"name ustr=" + Joined(folder_, "flyer.ai"), "colr long=2"}},
               {"KESTRUNE_INSIDECMD", kDialogOff, {}},
               {"adobe_move", kDialogOff, MoveBlock("1")},
               {"adobe_move", kDialogOff, MoveBlock("-1")},
               {"adobe_saveDocumentAs", kDialogOff, SaveBlock(Updated("flyer"))}});
}

TEST_F(PlayedEventsTest, TheStepRecordedWhileTheHostRecordsHasDialogsOnAndAnEmptyBlock) {
  host().actions().recording = true;
  Open(Write("flyer.ai", SimpleModel(json::array({Frame("Hi")}))));
  host().ui().SetDefaultAnswer(false);
  host().menus().Choose(Item("KESTRUNE_SAVEAS"));
  ASSERT_EQ(host().actions().recorded.size(), 1u);
  EXPECT_EQ(host().actions().recorded[0].name, "KESTRUNE_SAVEAS");
  EXPECT_EQ(host().actions().recorded[0].dialogStatus, kDialogOn);
  EXPECT_TRUE(host().actions().recorded[0].params.empty());
  EXPECT_EQ(host().actions().liveParamValues, 0) << "the block is given back";
}

TEST_F(PlayedEventsTest, ABulkFilesViewIsParkedForTheLayoutAndSetBackBeforeTheSave) {
  struct Seen {
    AIRealPoint center;
    AIReal zoom;
  };
  std::vector<std::pair<std::string, Seen>> seen;
  host().actions().playObserver = [&](const simhost::PlayedEvent& event) {
    simhost::Document* document = docs().current();
    if (document == nullptr) return;
    const simhost::View& view = *document->views[document->currentView];
    seen.push_back({event.name, Seen{view.center, view.zoom}});
  };
  struct Case {
    bool bulk;
    AIRealPoint atMove;
    AIReal zoomAtMove;
  };
  const AIRealPoint users{120, 240};
  const Case cases[] = {{true, {7000, 7000}, 64.0}, {false, users, 2.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bulk ? "bulk" : "menu");
    const std::string source = Write(c.bulk ? "bulk.ai" : "single.ai", SimpleModel(json::array({Frame("Hi")})));
    seen.clear();
    if (c.bulk) {
      ChooseBulk();
      Tick();
    } else {
      Open(source);
    }
    ASSERT_NE(docs().current(), nullptr);
    simhost::View& view = *docs().current()->views[docs().current()->currentView];
    view.center = users;
    view.zoom = 2.0;
    if (c.bulk) {
      RunToSummary();
    } else {
      host().menus().Choose(Item("KESTRUNE_SAVEAS"));
      docs().Close(docs().current());
    }
    std::vector<std::string> names;
    for (const auto& entry : seen) names.push_back(entry.first);
    ASSERT_EQ(names,
              (std::vector<std::string>{"KESTRUNE_INSIDECMD", "adobe_move", "adobe_move", "adobe_saveDocumentAs"}));
    for (int move : {1, 2}) {
      EXPECT_EQ(seen[move].second.center.h, c.atMove.h);
      EXPECT_EQ(seen[move].second.center.v, c.atMove.v);
      EXPECT_EQ(seen[move].second.zoom, c.zoomAtMove);
    }
    EXPECT_EQ(seen[3].second.center.h, users.h) << "the user's view is back before the save";
    EXPECT_EQ(seen[3].second.center.v, users.v);
    EXPECT_EQ(seen[3].second.zoom, 2.0);
    std::remove(source.c_str());
  }
}

}  // namespace
