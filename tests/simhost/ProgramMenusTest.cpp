// The kestrune-host program: its options, its usage, and the menus command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlatformExpectations.h"
#include "Program.h"

using testing_support::RunProgram;

namespace {

const std::string kProgram = KESTRUNE_HOST_PROGRAM;

TEST(Program, ShowsTheRegisteredMenusInTheHostLanguage) {
  auto en = RunProgram(kProgram, {"menus"});
  EXPECT_EQ(en.exitStatus, 0) << en.err;
  EXPECT_NE(en.out.find("Place Document\n  Save with updated text layout information  [enabled]"), std::string::npos)
      << en.out;
  EXPECT_NE(en.out.find("    Save as...  [disabled]  (KESTRUNE_SAVEAS)"), std::string::npos);
  EXPECT_NE(en.out.find("    Bulk update (Recursive subfolders)...  [enabled]  (KESTRUNE_CONVERT)"), std::string::npos);
  EXPECT_NE(en.out.find("KESTRUNE_TIMER  period 60"), std::string::npos);
  EXPECT_NE(en.out.find("KESTRUNE_INSIDECMD  \"Kestrune Inside Command\""), std::string::npos);
  EXPECT_NE(en.out.find("KSR_DOCUMENT_NEW_NOTIFIER  <- AI Document New Notifier"), std::string::npos);

  auto ja = RunProgram(kProgram, {"--lang", "ja", "menus"});
  EXPECT_EQ(ja.exitStatus, 0);
  EXPECT_NE(ja.out.find("  文字位置情報を保存  [enabled]"), std::string::npos) << ja.out;
  EXPECT_NE(ja.out.find("    一括更新 (サブフォルダを含む)...  [enabled]"), std::string::npos);
  EXPECT_NE(ja.out.find("KESTRUNE_SAVEAS  \"文字位置情報を更新して別名で保存\""), std::string::npos);
}

TEST(Program, ShowsNothingForAHostOutsideTheSupportedVersions) {
  for (const char* version : {"27.6.0", "29.0.0"}) {
    auto run = RunProgram(kProgram, {"--host-version", version, "menus"});
    EXPECT_EQ(run.exitStatus, 0) << version;
    EXPECT_NE(run.out.find("Menus:\n  (none)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Notifiers:\n  (none)"), std::string::npos);
  }
}

TEST(Program, RejectsBadUsage) {
  const std::vector<std::vector<std::string>> bad = {{},
                                                     {"frobnicate"},
                                                     {"--bogus", "menus"},
                                                     {"--lang", "fr", "menus"},
                                                     {"--host-version", "28", "menus"},
                                                     {"--host-version"},
                                                     {"menus", "extra"}};
  for (const auto& args : bad) {
    auto run = RunProgram(kProgram, args);
    std::string shown;
    for (const std::string& arg : args) shown += " " + arg;
    EXPECT_EQ(run.exitStatus, 2) << shown;
    EXPECT_NE(run.err.find("usage: kestrune-host"), std::string::npos) << shown;
    EXPECT_TRUE(run.out.empty()) << shown;
  }
  auto help = RunProgram(kProgram, {"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_NE(help.out.find("usage: kestrune-host"), std::string::npos);
  EXPECT_NE(help.out.find("menus"), std::string::npos);
}

TEST(Program, ReportsAPluginThatCannotBeLoaded) {
  auto missing = RunProgram(kProgram, {"--plugin", "/nonexistent/Kestrune.aip", "menus"});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_NE(missing.err.find("cannot load plug-in /nonexistent/Kestrune.aip"), std::string::npos) << missing.err;
  // A shared object without the entry point.
  auto foreign = RunProgram(kProgram, {"--plugin", testing_support::SystemLibraryWithoutPluginMain(), "menus"});
  EXPECT_EQ(foreign.exitStatus, 1);
  EXPECT_NE(foreign.err.find("has no entry point PluginMain"), std::string::npos) << foreign.err;
}

TEST(Program, ShowsTheErrorAlertOfAFailingStartUp) {
  auto run = RunProgram(kProgram, {"--fail", "AITimerSuite.AddTimer=MiFn", "menus"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("[error] Error=4d69466e, nFiM (caller : SP Interface, selector : Startup)\n-> ok"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("start-up returned MiFn 0x4d69466e"), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("Timers:\n  (none)"), std::string::npos);
}

}  // namespace
