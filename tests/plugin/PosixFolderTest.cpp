// A bulk update on folders holding what only POSIX file systems have: FIFOs, links to
// devices and dangling links. Nothing blocks, nothing is read for ever, and the log is
// never written through a link.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "BulkRunTest.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

// A test that would hang on a blocking open ends the whole program instead.
class Watchdog {
 public:
  explicit Watchdog(unsigned seconds) { alarm(seconds); }
  ~Watchdog() { alarm(0); }
};

class PosixFolderTest : public BulkRunTest {};

TEST_F(PosixFolderTest, NothingInTheFolderBlocksOrIsReadForEver) {
  Watchdog watchdog(60);
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  TempFolder elsewhere("elsewhere");
  const std::string linked = Write("../" + std::filesystem::path(elsewhere.path()).filename().string() + "/real.ai",
                                   SimpleModel(json::array({Frame("y")})));
  std::filesystem::create_symlink(linked, folder_ + "/link.ai");
  std::filesystem::create_symlink("/dev/zero", folder_ + "/zero.ai");
  ASSERT_EQ(mkfifo((folder_ + "/x.ai").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((folder_ + "/Kestrune.log").c_str(), 0600), 0);
  ChooseBulk();
  auto confirms = Dialogs(DialogKind::Confirm);
  ASSERT_EQ(confirms.size(), 1u);
  EXPECT_NE(confirms[0].text.find("(2 files)"), std::string::npos) << "a.ai and the link to a regular file";
  RunToSummary();
  EXPECT_EQ(Summary(),
            "Bulk update completed.\rUpdate successful : 2 files"
            "\rNot recorded in the activity log (Kestrune.log) : 2 files");
  EXPECT_TRUE(std::filesystem::is_fifo(folder_ + "/Kestrune.log"));
}

TEST_F(PosixFolderTest, TheLogIsNeverWrittenThroughALink) {
  Write("a.ai", SimpleModel(json::array({Frame("x")})));
  TempFolder elsewhere("elsewhere");
  const std::string outside = elsewhere.path() + "/collected.txt";
  WriteFile(outside, "");
  std::filesystem::create_symlink(outside, folder_ + "/Kestrune.log");
  // A dangling link may not be made into a file either.
  TempFolder other("other");
  Write("../" + std::filesystem::path(other.path()).filename().string() + "/b.ai",
        SimpleModel(json::array({Frame("x")})));
  std::filesystem::create_symlink(elsewhere.path() + "/new.txt", other.path() + "/Kestrune.log");
  ChooseBulk();
  RunToSummary();
  ChooseBulk(other.path());
  RunToSummary();
  EXPECT_EQ(ReadFile(outside), "");
  EXPECT_FALSE(std::filesystem::exists(elsewhere.path() + "/new.txt"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ + "/Kestrune.log"));
  EXPECT_EQ(Summary(),
            "Bulk update completed.\rUpdate successful : 1 files"
            "\rNot recorded in the activity log (Kestrune.log) : 1 files")
      << "the run itself goes on, and says what its log lacks";
}

}  // namespace
