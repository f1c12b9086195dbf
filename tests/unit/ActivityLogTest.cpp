// The activity log: names relative to the bulk folder, the exact CSV line, when lines
// are written at all, and the conversion of the program's Shift-JIS texts.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "os/Process.h"
#include "DirectPlugin.h"
#include "PluginDocumentTest.h"
#include "PlatformExpectations.h"
#include "TestHost.h"
#include "core/Faults.h"
#include "VirtualClock.h"
#include "actionManagerHandler/activityLog.h"
#include "common/Texts.h"

namespace fs = std::filesystem;

namespace {

// 2027-01-02 03:04:05, so that every field of the time stamp shows its zero padding.
constexpr long long kLogTime = 1798859045LL;

using testing_support::TempFolder;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool IsWholeUTF8(const std::string& text) {
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// "一" in UTF-8, repeated: text whose byte length is a multiple of three.
std::string Kanji(size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += "\xE4\xB8\x80";
  return text;
}

class ActivityLogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    logPath = folder.path() + "/Kestrune.log";
    savedClock = *KestruneVirtualClock();
    KestruneVirtualClock()->nowSeconds = kLogTime;
  }
  void TearDown() override { *KestruneVirtualClock() = savedClock; }

  std::string LogName(const char* logFilePath, const std::string& fullPath) {
    char out[kLogFieldBytes];
    std::memset(out, 'x', sizeof(out));
    RelativeLogName(logFilePath, fullPath, out);
    return out;
  }

  testing_support::DirectPlugin plugin;
  TempFolder folder;
  std::string logPath;
  VirtualClockState savedClock{};
};

TEST_F(ActivityLogTest, ShiftJISMarkerBecomesItsUTF8Form) {
  char out[64];
  ShiftJISToUTF8(TextFor(TextId::kUpdatedNameMarker, 1), out, 63);
  EXPECT_EQ(std::string(out), "\x5B\x43\x50\x5F\xE6\x9B\xB4\xE6\x96\xB0\xE6\xB8\x88\xE3\x81\xBF");
  ShiftJISToUTF8("Save as operation completed", out, sizeof(out));
  EXPECT_STREQ(out, "Save as operation completed");
}

TEST_F(ActivityLogTest, ConversionCutsBehindTheLastWholeCharacterAndNeverWritesBeyond) {
  const std::string marker = "[CP_\xE6\x9B\xB4\xE6\x96\xB0\xE6\xB8\x88\xE3\x81\xBF";
  struct Case {
    long capacity;
    size_t kept;
  };
  const Case cases[] = {{1, 0}, {4, 3}, {5, 4}, {7, 4}, {8, 7}, {10, 7}, {11, 10}, {16, 13}, {17, 16}, {64, 16}};
  for (const Case& c : cases) {
    char out[80];
    std::memset(out, '#', sizeof(out));
    ShiftJISToUTF8(TextFor(TextId::kUpdatedNameMarker, 1), out, c.capacity);
    const bool cut = c.kept < marker.size();
    const std::string expected =
        cut && testing_support::ShiftJISOverflowYieldsNothing() ? "" : marker.substr(0, c.kept);
    EXPECT_EQ(std::string(out), expected) << "capacity " << c.capacity;
    for (size_t i = static_cast<size_t>(c.capacity); i < sizeof(out); ++i)
      ASSERT_EQ(out[i], '#') << "capacity " << c.capacity << " byte " << i;
  }
  char untouched = '#';
  ShiftJISToUTF8("abc", &untouched, 0);
  EXPECT_EQ(untouched, '#');
  ShiftJISToUTF8("abc", nullptr, 10);
  char out[8] = "xxxxxxx";
  ShiftJISToUTF8(nullptr, out, sizeof(out));
  EXPECT_STREQ(out, "");
}

TEST_F(ActivityLogTest, TheOtherOverflowRuleYieldsNothingUnlessEverythingFits) {
  char out[16];
  FitConvertedText("abcdef", out, 7, platform::ConversionOverflow::kYieldNothing);
  EXPECT_STREQ(out, "abcdef");
  FitConvertedText("abcdefg", out, 7, platform::ConversionOverflow::kYieldNothing);
  EXPECT_STREQ(out, "");
  FitConvertedText("abcdefg", out, 7, platform::ConversionOverflow::kCutAtLastCharacter);
  EXPECT_STREQ(out, "abcdef");
}

TEST_F(ActivityLogTest, InvalidShiftJISBecomesReplacementCharactersAndTheRestSurvives) {
  char out[64];
  ShiftJISToUTF8(
      "a\xFF"
      "b",
      out, sizeof(out));
  EXPECT_STREQ(out,
               "a\xEF\xBF\xBD"
               "b");
  ShiftJISToUTF8("a\x82", out, sizeof(out));  // a lead byte at the very end
  EXPECT_STREQ(out, "a\xEF\xBF\xBD");
  ShiftJISToUTF8("a\x82 b\x82\xA0", out, sizeof(out));
  EXPECT_STREQ(out, "a\xEF\xBF\xBD b\xE3\x81\x82");
}

TEST_F(ActivityLogTest, DocumentsAreLoggedRelativeToTheBulkFolderWherePossible) {
  struct Case {
    const char* logPath;
    const char* fullPath;
    const char* expected;
  };
  const Case cases[] = {
      {"/work/bulk/Kestrune.log", "/work/bulk/a.ai", "a.ai"},
      {"/work/bulk/Kestrune.log", "/work/bulk/sub/deep/b.ai", "sub/deep/b.ai"},
      {"/work/bulk/Kestrune.log", "/work/BULK/a.ai", "/work/BULK/a.ai"},
      {"/work/bulk/Kestrune.log", "/elsewhere/a.ai", "/elsewhere/a.ai"},
      {"/work/bulk/Kestrune.log", "/work/bulkier/a.ai", "/work/bulkier/a.ai"},
      {"/work/bulk/Kestrune.log", "/work/bulk/", "/work/bulk/"},
      {"/work/bulk/other.log", "/work/bulk/a.ai", "/work/bulk/a.ai"},
      {"Kestrune.log", "/work/bulk/a.ai", "/work/bulk/a.ai"},
      {"", "/work/bulk/a.ai", "/work/bulk/a.ai"},
      {"/\xE4\xBD\x9C\xE6\xA5\xAD/Kestrune.log", "/\xE4\xBD\x9C\xE6\xA5\xAD/\xE5\x9B\xB3.ai", "\xE5\x9B\xB3.ai"},
  };
  for (const Case& c : cases) EXPECT_EQ(LogName(c.logPath, c.fullPath), c.expected) << c.logPath << " / " << c.fullPath;
}

TEST_F(ActivityLogTest, ANameLongerThanItsFieldKeepsItsEndOnWholeCharacters) {
  const char bulkLog[] = "/work/bulk/Kestrune.log";
  const std::string tail = "/\xE5\x9B\xB3-final.ai";
  for (size_t extra : {0u, 1u, 2u}) {  // the cut falls before, inside and behind a character
    std::string full = "/elsewhere/" + std::string(extra, 'y') + Kanji(200) + tail;
    std::string name = LogName(bulkLog, full);
    EXPECT_LE(name.size(), kLogFieldBytes - 1);
    EXPECT_GE(name.size(), kLogFieldBytes - 3);
    EXPECT_EQ(name.compare(0, 3, "..."), 0) << name;
    EXPECT_TRUE(IsWholeUTF8(name));
    EXPECT_EQ(name.substr(name.size() - tail.size()), tail);
    EXPECT_EQ(full.substr(full.size() - (name.size() - 3)), name.substr(3));
  }
  // A relative name of exactly 511 bytes still fits whole.
  std::string relative = std::string(511 - 3, 'n') + ".ai";
  EXPECT_EQ(LogName(bulkLog, "/work/bulk/" + relative), relative);
}

TEST_F(ActivityLogTest, TheLineHasFourQuotedFieldsAndEndsInCarriageReturnLineFeed) {
  AppendLogLine(logPath.c_str(), "a.ai", "", TextFor(TextId::kLogOpenFailed, 0));
  AppendLogLine(logPath.c_str(), "sub/b.ai", (folder.path() + "/sub/b[CP_updated_Ai28.1.0].ai").c_str(),
                TextFor(TextId::kSaveCompleted, 0));
  EXPECT_EQ(ReadFile(logPath),
            "\"2027-01-02 03:04:05\",\"a.ai\",\"\",\"Error: Could not open document.\"\r\n"
            "\"2027-01-02 03:04:05\",\"sub/b.ai\",\"b[CP_updated_Ai28.1.0].ai\",\"Save as operation completed\"\r\n");
}

TEST_F(ActivityLogTest, JapaneseMessagesStandInTheFileInUTF8) {
  AppendLogLine(logPath.c_str(), "a.ai", "", TextFor(TextId::kLogTrimArea, 1));
  EXPECT_EQ(ReadFile(logPath),
            "\"2027-01-02 03:04:05\",\"a.ai\",\"\",\""
            "エラー: このファイルには、トリムエリアが使用されています。\"\r\n");
}

TEST_F(ActivityLogTest, LinesAreWrittenOnlyWhileABulkUpdateRuns) {
  struct Case {
    ai::int32 actionMode;
    ai::int16 timerBusy;
    bool written;
  };
  const Case cases[] = {{0, 0, false}, {1001, 0, false}, {1002, 0, true}, {0, 1, true}, {1001, 1, true}, {7, 0, false}};
  for (const Case& c : cases)
    EXPECT_EQ(LogLinesDue(c.actionMode, c.timerBusy), c.written) << c.actionMode << "/" << c.timerBusy;
  // Started and idle, the plug-in writes no line.
  WriteDebugMessage(logPath.c_str(), "a.ai", "", "Error: Could not open document.");
  EXPECT_FALSE(fs::exists(logPath));
}

TEST_F(ActivityLogTest, NoLineWithoutLogPathOrDocumentNameOrWhenTheFileCannotBeWritten) {
  // Every line that is not written is reported, for the summary to count.
  EXPECT_FALSE(AppendLogLine("", "a.ai", "", "x"));
  EXPECT_FALSE(AppendLogLine(nullptr, "a.ai", "", "x"));
  EXPECT_FALSE(AppendLogLine(logPath.c_str(), "", "", "x"));
  EXPECT_FALSE(AppendLogLine(logPath.c_str(), nullptr, "", "x"));
  EXPECT_FALSE(fs::exists(logPath));
  // A folder where the log should be, and a folder that does not exist: dropped quietly.
  fs::create_directory(logPath);
  EXPECT_FALSE(AppendLogLine(logPath.c_str(), "a.ai", "", "x"));
  EXPECT_FALSE(AppendLogLine((folder.path() + "/missing/Kestrune.log").c_str(), "a.ai", "", "x"));
  EXPECT_TRUE(fs::is_directory(logPath));
  EXPECT_FALSE(fs::exists(folder.path() + "/missing"));
  EXPECT_TRUE(WriteDebugMessage(logPath.c_str(), "a.ai", "", "x")) << "outside a bulk update nothing is lost";
}

TEST_F(ActivityLogTest, TwoRunsAppendToOneFileOlderFirstAndNoHandleStaysOpen) {
  AppendLogLine(logPath.c_str(), "a.ai", "", "first");
  KestruneVirtualClock()->nowSeconds += 3600;
  AppendLogLine(logPath.c_str(), "a.ai", "", "second");
  EXPECT_EQ(ReadFile(logPath),
            "\"2027-01-02 03:04:05\",\"a.ai\",\"\",\"first\"\r\n"
            "\"2027-01-02 04:04:05\",\"a.ai\",\"\",\"second\"\r\n");
  // Each line opens and closes the file: removing it between lines loses nothing later.
  fs::remove(logPath);
  AppendLogLine(logPath.c_str(), "a.ai", "", "third");
  EXPECT_EQ(ReadFile(logPath), "\"2027-01-02 04:04:05\",\"a.ai\",\"\",\"third\"\r\n");
  size_t before = simhost::os::OpenFileCount();
  AppendLogLine(logPath.c_str(), "a.ai", "", "fourth");
  size_t after = simhost::os::OpenFileCount();
  EXPECT_EQ(before, after);
}

TEST_F(ActivityLogTest, FieldsAreQuotedAsCSVReadersExpectAndNeverUsedAsAFormat) {
  AppendLogLine(logPath.c_str(), "say \"hi\", %s%n%d.ai", (folder.path() + "/x,\"%n\".ai").c_str(), "100% done");
  EXPECT_EQ(ReadFile(logPath),
            "\"2027-01-02 03:04:05\",\"say \"\"hi\"\", %s%n%d.ai\",\"x,\"\"%n\"\".ai\",\"100% done\"\r\n");
}

// Whatever a name holds, a CSV reader finds one record for it, with the name exactly as
// it is: a reader of the log must be able to find the file. A leading "=", "+", "-" or
// "@" is kept too; README.md says how to open the log in a spreadsheet.
TEST_F(ActivityLogTest, EveryLineIsOneRecordNamingItsFileExactly) {
  const std::string forged =
      "x.ai\",\"\",\"Error: Could not open document.\"\r\n"
      "\"2027-01-02 03:04:05\",\"payroll.ai\",\"payroll[CP_updated_Ai28.1.0].ai\",\"Save as operation "
      "completed\"\r\n\"y.ai";
  const std::string names[] = {
      "he said \"hi\".ai",          "a,b.ai", "line\nbreak.ai", "cr\rand\r\ncrlf.ai", forged,   "\"\"",
      "=HYPERLINK(\"x\",\"y\").ai", "+1.ai",  "-1.ai",          "@SUM(A1).ai",        "=1+2.ai"};
  for (const std::string& name : names)
    AppendLogLine(logPath.c_str(), name.c_str(), (folder.path() + "/" + name + "-copy.ai").c_str(), "done");
  std::vector<std::vector<std::string>> records;
  ASSERT_TRUE(testing_support::ReadCSV(ReadFile(logPath), &records)) << ReadFile(logPath);
  ASSERT_EQ(records.size(), std::size(names));
  for (size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i], (std::vector<std::string>{"2027-01-02 03:04:05", names[i], names[i] + "-copy.ai", "done"}));
  }
}

TEST_F(ActivityLogTest, AnUpdatedCopyInAFolderPathLongerThanAFieldIsStillNamed) {
  std::string copy = "/" + std::string(300, 'p') + "/" + std::string(300, 'q') + "/b[CP_updated_Ai28.1.0].ai";
  AppendLogLine(logPath.c_str(), "b.ai", copy.c_str(), "done");
  EXPECT_EQ(ReadFile(logPath), "\"2027-01-02 03:04:05\",\"b.ai\",\"b[CP_updated_Ai28.1.0].ai\",\"done\"\r\n");
}

TEST_F(ActivityLogTest, UpdatedCopyIsNamedEvenWhenTheHostCannotSplitItsPath) {
  plugin.host().faults().Inject("AIFilePathSuite.GetFileName", kCantHappenErr, 1, true);
  AppendLogLine(logPath.c_str(), "a.ai", testing_support::Native("/work/bulk/a[CP_updated_Ai28.1.0].ai").c_str(),
                "done");
  EXPECT_EQ(ReadFile(logPath), "\"2027-01-02 03:04:05\",\"a.ai\",\"a[CP_updated_Ai28.1.0].ai\",\"done\"\r\n");
}

TEST_F(ActivityLogTest, FullFieldsMakeAWholeLineAndLongerOnesAreCutOnWholeCharacters) {
  // 511 bytes in each field: nothing is cut.
  std::string name = std::string(511, 'd');
  std::string copy = folder.path() + "/" + std::string(511 - folder.path().size() - 1, 'u');
  std::string message = std::string(511, 'm');
  AppendLogLine(logPath.c_str(), name.c_str(), copy.c_str(), message.c_str());
  std::string expected =
      "\"2027-01-02 03:04:05\",\"" + name + "\",\"" + fs::path(copy).filename().string() + "\",\"" + message + "\"\r\n";
  EXPECT_EQ(ReadFile(logPath), expected);

  // Longer texts than a field holds end on a whole character within the field.
  fs::remove(logPath);
  std::string longName = "xy" + Kanji(250);  // cut at 511 bytes, it would split a character
  AppendLogLine(logPath.c_str(), longName.c_str(), "", "m");
  std::string line = ReadFile(logPath);
  const std::string head = "\"2027-01-02 03:04:05\",\"";
  ASSERT_EQ(line.compare(0, head.size(), head), 0);
  std::string field = line.substr(head.size(), line.find('"', head.size()) - head.size());
  EXPECT_EQ(field, "xy" + Kanji(169));
  EXPECT_TRUE(IsWholeUTF8(field));
}

TEST(LogFilePath, FolderSeparatorAndNameInOneField) {
  char out[kLogFieldBytes];
  const std::string work = testing_support::Native("/Volumes/Work"), root = testing_support::Native("/");
  ASSERT_TRUE(MakeLogFilePath(work.c_str(), out));
  EXPECT_EQ(std::string(out), testing_support::Joined(work, "Kestrune.log"));
  ASSERT_TRUE(MakeLogFilePath((work + root).c_str(), out));
  EXPECT_EQ(std::string(out), testing_support::Joined(work, "Kestrune.log"));
  ASSERT_TRUE(MakeLogFilePath(root.c_str(), out));
  EXPECT_EQ(std::string(out), root + "Kestrune.log");

  std::string fits(511 - 13, 'f');  // with "/Kestrune.log", 511 bytes
  ASSERT_TRUE(MakeLogFilePath(fits.c_str(), out));
  EXPECT_EQ(std::strlen(out), 511u);
  std::string tooLong(511 - 12, 'f');
  EXPECT_FALSE(MakeLogFilePath(tooLong.c_str(), out));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(MakeLogFilePath("", out));
  EXPECT_FALSE(MakeLogFilePath(nullptr, out));
}

}  // namespace
