// The program's fault injection: points and suites that do not exist, and members
// that cannot fail, are refused, a rule can aim at one call, and the catalogue and
// the points can be listed.
#include <gtest/gtest.h>

#include <sstream>

#include "Program.h"

using testing_support::RunProgram;

namespace {

const std::string kProgram = KESTRUNE_HOST_PROGRAM;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ProgramFaults, RefusesWhatWouldInjectNothingAndNamesTheNearest) {
  struct Case {
    std::vector<std::string> args;
    std::string said;
    std::string nearest;
  } cases[] = {
      {{"--fail", "AIMenuSuite.AddMenuItm", "menus"},
       "no fault point \"AIMenuSuite.AddMenuItm\"",
       "AIMenuSuite.AddMenuItem"},
      {{"--fail", "acquire:AI Menu Suit", "menus"}, "no fault point", "acquire:AI Menu Suite"},
      {{"--withhold-suite", "AI Menu Suit", "menus"}, "publishes no suite \"AI Menu Suit\"", "AI Menu Suite"},
      {{"--withhold-suite", "ai menu suite", "menus"}, "publishes no suite", "AI Menu Suite"},
      {{"--fail", "play:KESTRUNE_SAVEA", "menus"}, "no fault point \"play:KESTRUNE_SAVEA\"", "play:KESTRUNE_SAVEAS"},
      {{"--fail", "AIMenuSuite.AddMenuItem@0", "menus"}, "must be a whole number from 1", ""},
      {{"--fail", "AIMenuSuite.AddMenuItem@x=STOP", "menus"}, "must be a whole number from 1", ""},
      // The real host's member gives no status to fail with: refused, not taken for a typo.
      {{"--fail", "AIUserSuite.MessageAlert", "menus"},
       "--fail: AIUserSuite.MessageAlert cannot fail: the host's MessageAlert returns nothing, not a status\n",
       ""},
      {{"--fail", "AIFilePathSuite.Exists@2=STOP", "menus"},
       "AIFilePathSuite.Exists cannot fail: the host's Exists returns a value, not a status\n",
       ""},
      {{"--fail", "AIActionManagerSuite.PlayActionEvent", "menus"}, "fails at points of its own: play:EVENT", ""},
  };
  for (const auto& c : cases) {
    const auto run = RunProgram(kProgram, c.args);
    EXPECT_EQ(run.exitStatus, 2) << c.args[1];
    EXPECT_NE(run.err.find(c.said), std::string::npos) << c.args[1] << "\n" << run.err;
    if (!c.nearest.empty())
      EXPECT_NE(run.err.find("nearest:\n  " + c.nearest + "\n"), std::string::npos) << c.args[1] << "\n" << run.err;
    EXPECT_EQ(run.out.find("Menus:"), std::string::npos) << "nothing ran: " << c.args[1];
  }
}

TEST(ProgramFaults, FailsOnlyTheNthCall) {
  const std::string group = "  Save with updated text layout information  [enabled]";
  const auto second = RunProgram(kProgram, {"--fail", "AIMenuSuite.AddMenuItem@2=MiFn", "menus"});
  const auto every = RunProgram(kProgram, {"--fail", "AIMenuSuite.AddMenuItem=MiFn", "menus"});
  EXPECT_EQ(second.exitStatus, 0) << second.err;
  EXPECT_NE(second.out.find(group), std::string::npos) << "the first call went through\n" << second.out;
  EXPECT_EQ(second.out.find("Save as..."), std::string::npos) << "the second failed\n" << second.out;
  EXPECT_NE(second.out.find("[error] Error=4d69466e"), std::string::npos) << second.out;
  EXPECT_NE(every.out.find("Menus:\n  (none)"), std::string::npos) << every.out;
  const auto later = RunProgram(kProgram, {"--fail", "AIMenuSuite.AddMenuItem@99=MiFn", "menus"});
  EXPECT_EQ(later.out.find("[error]"), std::string::npos) << "a call that never comes fails nothing";
}

TEST(ProgramFaults, ListsEveryPoint) {
  const auto run = RunProgram(kProgram, {"faults"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::vector<std::string> points = Lines(run.out);
  for (const char* point : {"AIMenuSuite.AddMenuItem", "acquire:AI Menu Suite", "release:AI Unicode String Suite",
                            "play:adobe_saveDocumentAs", "play:KESTRUNE_SAVEAS", "SPBasicSuite.AllocateBlock"})
    EXPECT_NE(std::find(points.begin(), points.end(), point), points.end()) << point;
  // Every listed point is accepted.
  for (const std::string& point : {points.front(), points.back()}) {
    const auto accepted = RunProgram(kProgram, {"--fail", point + "@1000000", "menus"});
    EXPECT_EQ(accepted.exitStatus, 0) << point << accepted.err;
  }
}

TEST(ProgramFaults, ListsTheCatalogueForEachPlatform) {
  const auto native = RunProgram(kProgram, {"suites"});
  const auto windows = RunProgram(kProgram, {"suites", "windows"});
  const auto mac = RunProgram(kProgram, {"suites", "macos"});
  ASSERT_EQ(windows.exitStatus, 0);
  EXPECT_EQ(Lines(windows.out).size(), 132u);
  EXPECT_EQ(Lines(windows.out)[0], "SP Basic Suite\t4");
  EXPECT_NE(windows.out.find("\nAI Menu Suite\t11\n"), std::string::npos);
  EXPECT_NE(mac.out.find("\nAI Menu Suite\t1011\n"), std::string::npos);
  EXPECT_NE(mac.out.find("\nATE TextFrame Suite\t101\n"), std::string::npos);
  EXPECT_EQ(native.out, windows.out) << "this build's plug-in asks for the Windows numbers";
  EXPECT_EQ(RunProgram(kProgram, {"suites", "linux"}).exitStatus, 2);
}

}  // namespace
