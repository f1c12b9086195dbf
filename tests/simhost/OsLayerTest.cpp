// The simulated host's OS layer, as any realisation of it must behave.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestHost.h"
#include "os/CalendarTime.h"
#include "os/CodePage.h"
#include "os/Files.h"
#include "os/Process.h"

namespace {

using namespace simhost::os;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

TEST(CalendarTimeTest, KnownMoments) {
  struct Case {
    long long seconds;
    long long year;
    int month, day, hour, minute, second;
  } cases[] = {
      {0, 1970, 1, 1, 0, 0, 0},
      {-1, 1969, 12, 31, 23, 59, 59},
      {951782400, 2000, 2, 29, 0, 0, 0},  // a leap day of a year divisible by 400
      {4107542400, 2100, 3, 1, 0, 0, 0},  // 2100 has no leap day
      {1796810400, 2026, 12, 9, 10, 0, 0},
      {253402300799, 9999, 12, 31, 23, 59, 59},
      {-62135596800, 1, 1, 1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    CalendarTime t = UtcCalendarTime(c.seconds);
    EXPECT_EQ(t.year, c.year) << c.seconds;
    EXPECT_EQ(t.month, c.month) << c.seconds;
    EXPECT_EQ(t.day, c.day) << c.seconds;
    EXPECT_EQ(t.hour, c.hour) << c.seconds;
    EXPECT_EQ(t.minute, c.minute) << c.seconds;
    EXPECT_EQ(t.second, c.second) << c.seconds;
  }
}

// Day after day from 1800 to 2300, against a calendar counted forward by hand.
TEST(CalendarTimeTest, EveryDayFollowsTheOneBefore) {
  auto leap = [](long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  long long year = 1800;
  int month = 1, day = 1;
  const long long first = -5364662400LL;  // 1800-01-01
  for (long long seconds = first; year < 2300; seconds += 86400) {
    CalendarTime t = UtcCalendarTime(seconds + 86399);
    ASSERT_TRUE(t.year == year && t.month == month && t.day == day && t.hour == 23 && t.second == 59)
        << year << "-" << month << "-" << day << " read as " << t.year << "-" << t.month << "-" << t.day;
    int length = lengths[month - 1] + (month == 2 && leap(year) ? 1 : 0);
    if (++day > length) {
      day = 1;
      if (++month > 12) month = 1, ++year;
    }
  }
}

TEST(OsFilesTest, PathsOfEveryKind) {
  TempFolder folder("os");
  const std::string file = folder.path() + "/チラシ.ai";
  WriteFile(file, "x");
  EXPECT_EQ(KindOfPath(file, true), PathKind::kRegularFile);
  EXPECT_EQ(KindOfPath(folder.path(), true), PathKind::kFolder);
  EXPECT_EQ(KindOfPath(folder.path() + "/absent", true), PathKind::kMissing);
  EXPECT_EQ(KindOfPath("", true), PathKind::kMissing);
  EXPECT_EQ(Utf8Path(NativePath(file)), file);
  EXPECT_TRUE(std::filesystem::exists(NativePath(file)));
  EXPECT_TRUE(IsAbsolutePath(folder.path()));
  EXPECT_FALSE(IsAbsolutePath("relative/name.ai"));
  EXPECT_FALSE(IsAbsolutePath(""));
  EXPECT_TRUE(IsAbsolutePath(WorkingFolder()));
  EXPECT_EQ(KindOfPath(TemporaryFolder(), true), PathKind::kFolder);
}

TEST(OsFilesTest, UniqueFoldersAreNewAndEmpty) {
  TempFolder parent("os");
  std::string first, second;
  ASSERT_TRUE(MakeUniqueFolder(parent.path(), "run-", &first));
  ASSERT_TRUE(MakeUniqueFolder(parent.path(), "run-", &second));
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(parent.path() + PathSeparator() + "run-", 0), 0u) << first;
  EXPECT_EQ(KindOfPath(first, true), PathKind::kFolder);
  EXPECT_TRUE(std::filesystem::is_empty(NativePath(first)));
  std::string none;
  EXPECT_FALSE(MakeUniqueFolder(parent.path() + "/absent/deeper", "run-", &none));
}

TEST(OsFilesTest, ReplacingAFileLeavesOnlyTheNewContent) {
  TempFolder folder("os");
  const std::string file = folder.path() + "/doc.ai";
  ASSERT_TRUE(WriteFileReplacing(file, "first"));
  ASSERT_TRUE(WriteFileReplacing(file, "second, longer"));
  EXPECT_EQ(ReadFile(file), "second, longer");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder.path())))
    names.push_back(Utf8Path(entry.path().filename()));
  EXPECT_EQ(names, std::vector<std::string>{"doc.ai"});
  // A folder that is not there: nothing is written anywhere.
  EXPECT_FALSE(WriteFileReplacing(folder.path() + "/absent/doc.ai", "x"));
  // A folder in the file's place stays as it is.
  std::filesystem::create_directories(NativePath(folder.path() + "/taken"));
  EXPECT_FALSE(WriteFileReplacing(folder.path() + "/taken", "x"));
  EXPECT_EQ(KindOfPath(folder.path() + "/taken", true), PathKind::kFolder);
  names.clear();
  for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder.path())))
    names.push_back(Utf8Path(entry.path().filename()));
  EXPECT_EQ(names.size(), 2u);
}

TEST(OsProcessTest, RunsAProgramWithItsArgumentsAsGiven) {
  TempFolder folder("os");
  const std::string out = folder.path() + "/out", err = folder.path() + "/err";
  // The program itself: its usage goes to standard error, its exit status is 2.
  const std::vector<std::string> odd = {"it's", "two words", "$HOME", "*", "\"quoted\"", "", "日本語"};
  std::vector<std::string> arguments = {"--bogus"};
  arguments.insert(arguments.end(), odd.begin(), odd.end());
  EXPECT_EQ(RunProgram(KESTRUNE_HOST_PROGRAM, arguments, out, err), 2);
  EXPECT_NE(ReadFile(err).find("unknown option --bogus"), std::string::npos) << ReadFile(err);
  EXPECT_EQ(RunProgram(KESTRUNE_HOST_PROGRAM, {"--help"}, out, err), 0);
  EXPECT_NE(ReadFile(out).find("usage: kestrune-host"), std::string::npos);
  EXPECT_EQ(ReadFile(err), "");
  EXPECT_EQ(RunProgram(folder.path() + "/absent-program", {}, out, err), 127);
}

TEST(OsProcessTest, TheProgramAndItsSurroundings) {
  EXPECT_EQ(KindOfPath(ProgramFolder(), true), PathKind::kFolder);
  EXPECT_TRUE(IsAbsolutePath(ProgramFolder()));
  EXPECT_EQ(EnvironmentValue("KESTRUNE_SURELY_UNSET_VARIABLE"), "");
  EXPECT_NE(EnvironmentValue("PATH"), "");
  TempFolder folder("os");
  size_t before = OpenFileCount();
  {
    std::ofstream held(NativePath(folder.path() + "/held"));
    EXPECT_EQ(OpenFileCount(), before + 1);
  }
  EXPECT_EQ(OpenFileCount(), before);
}

TEST(OsCodePageTest, Code932BothWays) {
  std::string utf8;
  ASSERT_TRUE(Utf8FromCodePage932("\x93\xfa\x96\x7b\x8c\xea", &utf8));  // 日本語
  EXPECT_EQ(utf8, "日本語");
  EXPECT_EQ(CodePage932FromUtf8("日本語 ok"), "\x93\xfa\x96\x7b\x8c\xea ok");
  EXPECT_EQ(CodePage932FromUtf8("a\xF0\x9F\x98\x80"
                                "b"),
            "a?b");                                  // no emoji in code page 932
  EXPECT_FALSE(Utf8FromCodePage932("\x82", &utf8));  // a lead byte alone
}

}  // namespace
