// The platform's file services on what a shared folder may hold: pipes, devices,
// links. Nothing may block, read for ever, or write through a link.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "TestHost.h"
#include "actionManagerHandler/activityLog.h"
#include "platform/Directory.h"
#include "platform/FileAppend.h"
#include "platform/FileReader.h"
#include "platform/NameClaim.h"

using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

namespace {

// A test that would hang on a blocking open ends the whole program instead.
class Watchdog {
 public:
  explicit Watchdog(unsigned seconds) { alarm(seconds); }
  ~Watchdog() { alarm(0); }
};

TEST(FileSafetyTest, TheReaderOpensOnlyRegularFilesAndStopsAtTheirSize) {
  Watchdog watchdog(30);
  TempFolder folder;
  const std::string fifo = folder.path() + "/x.ai";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder.path() + "/zero.ai");
  WriteFile(folder.path() + "/real.ai", "12345");
  std::filesystem::create_symlink(folder.path() + "/real.ai", folder.path() + "/link.ai");
  struct Case {
    std::string name;
    bool open;
  };
  const Case cases[] = {{"x.ai", false}, {"zero.ai", false}, {"real.ai", true}, {"link.ai", true}, {"", false}};
  for (const Case& c : cases) {
    platform::FileReader reader((folder.path() + "/" + c.name).c_str());
    EXPECT_EQ(reader.IsOpen(), c.open) << c.name;
  }
  platform::FileReader reader((folder.path() + "/real.ai").c_str());
  WriteFile(folder.path() + "/real.ai", "1234567890");  // grows after the opening
  char buffer[64];
  size_t total = 0;
  for (size_t got; (got = reader.Read(buffer, sizeof(buffer))) > 0;) total += got;
  EXPECT_EQ(total, 5u) << "no more than the size found at the opening";
}

TEST(FileSafetyTest, AppendingWritesOnlyToARegularFileOrANewOne) {
  Watchdog watchdog(30);
  TempFolder folder;
  TempFolder elsewhere;
  const std::string outside = elsewhere.path() + "/outside.txt";
  WriteFile(outside, "");
  std::filesystem::create_symlink(outside, folder.path() + "/link.log");
  std::filesystem::create_symlink(elsewhere.path() + "/planted.txt", folder.path() + "/dangling.log");
  ASSERT_EQ(mkfifo((folder.path() + "/fifo.log").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.path() + "/folder.log");
  WriteFile(folder.path() + "/plain.log", "a");
  struct Case {
    const char* name;
    bool written;
  };
  const Case cases[] = {{"link.log", false},   {"dangling.log", false}, {"fifo.log", false},
                        {"folder.log", false}, {"plain.log", true},     {"new.log", true}};
  for (const Case& c : cases)
    EXPECT_EQ(platform::AppendToFile((folder.path() + "/" + c.name).c_str(), "b", 1), c.written) << c.name;
  EXPECT_EQ(ReadFile(outside), "");
  EXPECT_FALSE(std::filesystem::exists(elsewhere.path() + "/planted.txt"));
  EXPECT_EQ(ReadFile(folder.path() + "/plain.log"), "ab");
  EXPECT_EQ(ReadFile(folder.path() + "/new.log"), "b");
}

// Only a free name is claimed: anything standing there, a link to nowhere or a FIFO
// included, takes it; and only an empty regular file is released.
TEST(FileSafetyTest, AClaimTakesOnlyAFreeNameAndOnlyAnEmptyClaimIsReleased) {
  Watchdog watchdog(30);
  TempFolder folder;
  TempFolder elsewhere;
  const std::string outside = elsewhere.path() + "/outside.txt";
  WriteFile(outside, "");
  std::filesystem::create_symlink(outside, folder.path() + "/link.ai");
  std::filesystem::create_symlink(elsewhere.path() + "/planted.txt", folder.path() + "/dangling.ai");
  ASSERT_EQ(mkfifo((folder.path() + "/fifo.ai").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.path() + "/folder.ai");
  WriteFile(folder.path() + "/plain.ai", "a");
  struct Case {
    const char* name;
    platform::ClaimResult claim;
    bool released;  // afterwards
  };
  const Case cases[] = {
      {"link.ai", platform::ClaimResult::kTaken, false},       {"dangling.ai", platform::ClaimResult::kTaken, false},
      {"fifo.ai", platform::ClaimResult::kTaken, false},       {"folder.ai", platform::ClaimResult::kTaken, false},
      {"plain.ai", platform::ClaimResult::kTaken, false},      {"new.ai", platform::ClaimResult::kClaimed, true},
      {"missing/new.ai", platform::ClaimResult::kFailed, true}};
  for (const Case& c : cases) {
    const std::string path = folder.path() + "/" + c.name;
    EXPECT_EQ(platform::ClaimNewFile(path.c_str()), c.claim) << c.name;
    EXPECT_EQ(platform::ReleaseClaim(path.c_str()), c.released) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(elsewhere.path() + "/planted.txt"));
  EXPECT_EQ(ReadFile(outside), "");
  EXPECT_EQ(ReadFile(folder.path() + "/plain.ai"), "a");
  EXPECT_FALSE(std::filesystem::exists(folder.path() + "/new.ai"));
}

TEST(FileSafetyTest, TheListingTellsRegularFilesFromTheRest) {
  TempFolder folder;
  WriteFile(folder.path() + "/real.ai", "x");
  std::filesystem::create_symlink(folder.path() + "/real.ai", folder.path() + "/link.ai");
  std::filesystem::create_symlink("/dev/zero", folder.path() + "/zero.ai");
  std::filesystem::create_symlink(folder.path() + "/missing", folder.path() + "/dangling.ai");
  ASSERT_EQ(mkfifo((folder.path() + "/x.ai").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.path() + "/sub.ai");
  auto listing = platform::OpenDirectory(folder.path().c_str());
  ASSERT_TRUE(listing);
  std::set<std::string> regular, other;
  platform::DirectoryEntry entry;
  while (listing->Next(&entry)) {
    std::string name(entry.name, entry.length);
    if (name == "." || name == "..") continue;
    (entry.isRegularFile ? regular : other).insert(name);
    if (entry.isFolder) {
      EXPECT_FALSE(entry.isRegularFile) << name;
    }
  }
  EXPECT_EQ(regular, (std::set<std::string>{"real.ai", "link.ai"}));
  EXPECT_EQ(other, (std::set<std::string>{"zero.ai", "dangling.ai", "x.ai", "sub.ai"}));
}

TEST(FileSafetyTest, TextThatIsNotUTF8GetsReplacementCharacters) {
  struct Case {
    std::string in, out;
  };
  const std::string r = "\xEF\xBF\xBD";
  const Case cases[] = {
      {"plain.ai", "plain.ai"},
      {"\xE3\x83\x81\xE3\x83\xA9.ai", "\xE3\x83\x81\xE3\x83\xA9.ai"},  // whole characters stay
      {"bad\xFF.ai", "bad" + r + ".ai"},
      {"cut\xE3\x83", "cut" + r + r},            // a character cut short
      {"\xC0\xAF", r + r},                       // overlong
      {"\xED\xA0\x80", r + r + r},               // a surrogate
      {"\xF4\x90\x80\x80", r + r + r + r},       // beyond U+10FFFF
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // four bytes, valid
      {"\x80x", r + "x"},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidUTF8(c.in.data(), c.in.size()), c.out) << c.in;
}

}  // namespace
